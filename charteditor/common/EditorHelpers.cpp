#include "charteditor/common/EditorHelpers.h"

#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPrompts.h"
#include "charteditor/common/EditorResources.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TEditorForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLayout>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>

void AddEditorForm(TEditorForm* form, QWidget* parent, QObject* tag, bool fill) {
  if (!form) return;
  form->SetTag(tag);
  form->setParent(parent, Qt::Widget);
  if (!form->testAttribute(Qt::WA_Resized)) form->adjustSize();
  if (fill && parent) {
    QLayout* layout = parent->layout();
    if (!layout) {
      layout = new QVBoxLayout(parent);
      layout->setContentsMargins(0, 0, 0, 0);
    }
    if (layout->indexOf(form) < 0) layout->addWidget(form);
  } else if (parent) {
    form->move(4, std::max(4, (parent->contentsRect().height() - form->height()) / 2));
  }
  form->Translate();
  form->show();
}

void ShowControls(bool visible, std::initializer_list<QWidget*> controls) {
  for (QWidget* w : controls) {
    if (w) w->setVisible(visible);
  }
}

bool AskYesNo(const QString& text) {
  return Prompts().Confirm(text);
}

bool ConfirmDelete(const QString& name) {
  return AskYesNo(ChartFormat(ChartMsg::SureToDelete, {name}));
}

void AddValueFormats(QComboBox& combo) {
  combo.addItem(ChartText(ChartMsg::ValuesFormat));
  for (const char* f :
       {"0", "0.0", "0.#", "#.#", "#,##0.00;(#,##0.00)", "00e-0", "#.0 \"x10\" E+0", "#.# x10E-#"})
    combo.addItem(QString::fromLatin1(f));
}

void LoadArrowGlyphs(QAbstractButton& up, QAbstractButton& down) {
  up.setIcon(QPixmap::fromImage(EditorBitmap(QStringLiteral("PLOTARROWUP"))));
  down.setIcon(QPixmap::fromImage(EditorBitmap(QStringLiteral("PLOTARROWDOWN"))));
}

void MoveSelectedItems(QListWidget& from, QListWidget& to) {
  for (int i = 0; i < from.count();) {
    if (!from.item(i)->isSelected()) {
      ++i;
      continue;
    }
    QListWidgetItem* item = from.takeItem(i);
    item->setSelected(false);
    to.addItem(item);
  }
}

void MoveAllItems(QListWidget& from, QListWidget& to) {
  while (from.count() > 0) to.addItem(from.takeItem(0));
}

void LinkButtonPen(TButtonPen& button, TChartPen* pen) {
  button.LinkPen(pen);
}
