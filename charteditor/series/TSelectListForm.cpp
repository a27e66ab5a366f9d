#include "charteditor/series/TSelectListForm.h"

#include "charteditor/common/EditorHelpers.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QListWidget* makeList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  return list;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

TSelectListForm::TSelectListForm(QWidget* parent)
    : TEditorForm(parent),
      fromList_(makeList(Body(), "FromList")),
      toList_(makeList(Body(), "ToList")),
      rightOne_(makeButton(Body(), "BRightOne", QStringLiteral(">"))),
      rightAll_(makeButton(Body(), "BRightAll", QStringLiteral(">>"))),
      leftOne_(makeButton(Body(), "BLeftOne", QStringLiteral("<"))),
      leftAll_(makeButton(Body(), "BLeftAll", QStringLiteral("<<"))),
      moveUp_(makeButton(Body(), "BMoveUP", QString())),
      moveDown_(makeButton(Body(), "BMoveDown", QString())) {
  setObjectName(QStringLiteral("SelectListForm"));
  SetOkCancelVisible(false);
  LoadArrowGlyphs(*moveUp_, *moveDown_);
  auto* fromLabel = new QLabel(tr("A&vailable:"), Body());
  fromLabel->setObjectName(QStringLiteral("L1"));
  fromLabel->setBuddy(fromList_);
  auto* toLabel = new QLabel(tr("&Selected: "), Body());
  toLabel->setObjectName(QStringLiteral("L2"));
  toLabel->setBuddy(toList_);

  auto* middle = new QVBoxLayout;
  middle->addStretch();
  for (QPushButton* b : {rightOne_, rightAll_, leftOne_, leftAll_}) middle->addWidget(b);
  middle->addStretch();
  auto* order = new QVBoxLayout;
  order->addStretch();
  order->addWidget(moveUp_);
  order->addWidget(moveDown_);
  order->addStretch();
  auto* layout = new QGridLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fromLabel, 0, 0);
  layout->addWidget(toLabel, 0, 2);
  layout->addWidget(fromList_, 1, 0);
  layout->addLayout(middle, 1, 1);
  layout->addWidget(toList_, 1, 2);
  layout->addLayout(order, 1, 3);

  auto move = [this](QListWidget& from, QListWidget& to, bool all) {
    if (all)
      MoveAllItems(from, to);
    else
      MoveSelectedItems(from, to);
    Moved();
  };
  connect(rightOne_, &QPushButton::clicked, this, [=, this] { move(*fromList_, *toList_, false); });
  connect(rightAll_, &QPushButton::clicked, this, [=, this] { move(*fromList_, *toList_, true); });
  connect(leftOne_, &QPushButton::clicked, this, [=, this] { move(*toList_, *fromList_, false); });
  connect(leftAll_, &QPushButton::clicked, this, [=, this] { move(*toList_, *fromList_, true); });
  connect(fromList_, &QListWidget::itemDoubleClicked, this,
          [=, this] { move(*fromList_, *toList_, false); });
  connect(toList_, &QListWidget::itemDoubleClicked, this,
          [=, this] { move(*toList_, *fromList_, false); });
  connect(moveUp_, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
  connect(moveDown_, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
  connect(toList_, &QListWidget::currentRowChanged, this, &TSelectListForm::EnableButtons);
  EnableButtons();
}

void TSelectListForm::AddItem(QListWidget& list, const QString& text, QObject* object) {
  auto* item = new QListWidgetItem(text);
  item->setData(Qt::UserRole, QVariant::fromValue(object));
  list.addItem(item);
}

QObject* TSelectListForm::ItemObject(const QListWidgetItem& item) {
  return item.data(Qt::UserRole).value<QObject*>();
}

std::vector<QObject*> TSelectListForm::Objects(const QListWidget& list) {
  std::vector<QObject*> out;
  for (int i = 0; i < list.count(); ++i) out.push_back(ItemObject(*list.item(i)));
  return out;
}

void TSelectListForm::EnableButtons() {
  const bool from = fromList_->count() > 0;
  const bool to = toList_->count() > 0;
  rightOne_->setEnabled(from);
  rightAll_->setEnabled(from);
  leftOne_->setEnabled(to);
  leftAll_->setEnabled(to);
  const int row = toList_->currentRow();
  moveUp_->setEnabled(row > 0);
  moveDown_->setEnabled(row >= 0 && row < toList_->count() - 1);
}

void TSelectListForm::Moved() {
  EnableButtons();
  if (OnChange) OnChange();
}

void TSelectListForm::MoveCurrent(int by) {
  const int row = toList_->currentRow();
  const int to = row + by;
  if (row < 0 || to < 0 || to >= toList_->count()) return;
  QListWidgetItem* item = toList_->takeItem(row);
  toList_->insertItem(to, item);
  toList_->clearSelection();
  toList_->setCurrentRow(to);
  Moved();
}
