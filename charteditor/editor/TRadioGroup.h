#pragma once
// A framed column of radio buttons chosen by index, as the editor pages
// offer a property's few values. Only a user's click announces a choice,
// so a page that fills the group never writes back.
#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;

class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

  // -1 when none is checked.
  int ItemIndex() const;
  // Checks item `index`; an index outside the items checks none.
  void SetItemIndex(int index);
  int Count() const;
  QAbstractButton* Button(int index) const;

 Q_SIGNALS:
  void itemClicked(int index);

 private:
  QButtonGroup* buttons_;
};
