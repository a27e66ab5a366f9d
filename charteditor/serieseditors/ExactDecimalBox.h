#pragma once
// A number box that shows and gives back a double as it is: no fixed count
// of decimals rounds what it shows or what a step writes (a date on an axis
// keeps its seconds). Texts are in the box's locale, without group
// separators; an exponent is allowed.
#include <QDoubleSpinBox>

class ExactDecimalBox : public QDoubleSpinBox {
  Q_OBJECT

 public:
  explicit ExactDecimalBox(QWidget* parent = nullptr);

  QString textFromValue(double value) const override;
  double valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& pos) const override;

 private:
  QLocale Locale() const;
};
