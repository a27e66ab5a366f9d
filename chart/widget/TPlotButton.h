#pragma once
// A push button tied to one published property of a chart object: the
// editors' buttons for colours and pens. After its normal look it draws a
// sample of the property through a chart canvas on its window.
#include <QByteArray>
#include <QPointer>
#include <QPushButton>

class TPlotCanvas3D;

class TPlotButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TPlotButton(QWidget* parent = nullptr);

  // Ties the button to `propertyName` of `instance` (a Qt property; null
  // unlinks) and repaints.
  void LinkProperty(QObject* instance, const QString& propertyName);
  QObject* Instance() const { return instance_; }
  QString PropertyName() const { return QString::fromLatin1(property_); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Draws the sample over the painted button.
  virtual void DrawSymbol(TPlotCanvas3D& canvas) = 0;
  // The linked value; invalid when nothing is linked.
  QVariant LinkedValue() const;
  // Writes the linked property; false when nothing is linked or it refused.
  bool WriteLinked(const QVariant& value);

 private:
  QPointer<QObject> instance_;
  QByteArray property_;
};
