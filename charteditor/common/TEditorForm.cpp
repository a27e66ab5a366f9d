#include "charteditor/common/TEditorForm.h"

#include "charteditor/common/FormTranslation.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TEditorForm::TEditorForm(QWidget* parent)
    : QDialog(parent),
      body_(new QWidget(this)),
      buttonRow_(new QWidget(this)),
      ok_(new QPushButton(tr("OK"), buttonRow_)),
      cancel_(new QPushButton(tr("Cancel"), buttonRow_)) {
  ok_->setObjectName(QStringLiteral("BOk"));
  cancel_->setObjectName(QStringLiteral("BCancel"));
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout(buttonRow_);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(body_);
  layout->addWidget(buttonRow_);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TEditorForm::SetTag(QObject* tag) {
  disconnect(tagWatch_);
  tag_ = tag;
  tagGone_ = false;
  body_->setEnabled(true);
  ok_->setEnabled(true);
  if (tag) tagWatch_ = connect(tag, &QObject::destroyed, this, &TEditorForm::TagDestroyed);
}

void TEditorForm::TagDestroyed() {
  tagGone_ = true;
  body_->setEnabled(false);
  ok_->setEnabled(false);
}

void TEditorForm::SetOkCancelVisible(bool visible) {
  if (buttonRow_->isHidden() != visible) return;
  buttonRow_->setVisible(visible);
  // A form already given its size gives up, or takes back, the row's height.
  if (testAttribute(Qt::WA_Resized))
    resize(width(), height() + (visible ? 1 : -1) * buttonRow_->sizeHint().height());
}

void TEditorForm::Translate() {
  if (translated_) return;
  translated_ = true;
  TranslateForm(this);
}

void TEditorForm::showEvent(QShowEvent* event) {
  Translate();
  QDialog::showEvent(event);
}
