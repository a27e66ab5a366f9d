#include "charteditor/common/FormTranslation.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QWidget>

namespace {

const QStringList* language = nullptr;

// The text as shown: "&&" is a literal ampersand, any other "&" marks the
// next character as the accelerator.
QString withoutAccelerator(const QString& text, bool& hadAccelerator) {
  hadAccelerator = false;
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      out += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == u'&') {
      out += u'&';
      ++i;
    } else {
      hadAccelerator = true;
    }
  }
  return out;
}

// Only a to z: the list's keys were made that way, whatever the locale.
QString asciiUpper(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 'a' + 'A');
  }
  return out;
}

bool isAcceleratorChar(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

QString lookUp(const QString& key) {
  for (const QString& line : *language) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) continue;
    if (line.left(eq).compare(key, Qt::CaseInsensitive) == 0) return line.mid(eq + 1);
  }
  return {};
}

bool inLayout(const QLayout* layout, const QWidget* w) {
  if (!layout) return false;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == w) return true;
    if (item->layout() && inLayout(item->layout(), w)) return true;
  }
  return false;
}

struct Translator {
  QString used;

  bool text(QString& t) { return TranslateCaption(t, used); }

  void widget(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
      QString t = label->text();
      if (text(t)) {
        label->setText(t);
        // A label in a layout is sized by it.
        if (!inLayout(label->parentWidget() ? label->parentWidget()->layout() : nullptr, label))
          label->adjustSize();
      }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      QString t = button->text();
      if (text(t)) button->setText(t);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      QString t = group->title();
      if (text(t)) group->setTitle(t);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      const int index = combo->currentIndex();
      for (int i = 0; i < combo->count(); ++i) {
        QString t = combo->itemText(i);
        if (text(t)) combo->setItemText(i, t);
      }
      combo->setCurrentIndex(index);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      const int row = list->currentRow();
      for (int i = 0; i < list->count(); ++i) {
        QString t = list->item(i)->text();
        if (text(t)) list->item(i)->setText(t);
      }
      list->setCurrentRow(row);
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        QString t = tabs->tabText(i);
        if (text(t)) tabs->setTabText(i, t);
      }
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      QString t = edit->text();
      if (text(t)) edit->setText(t);
    }
    tip(w);
  }

  void action(QAction* a) {
    // An action without a tooltip of its own reports its text as one.
    QString tipText = a->toolTip();
    const bool ownTip = tipText != QAction(a->text()).toolTip();
    QString t = a->text();
    if (text(t)) a->setText(t);
    if (ownTip && !tipText.isEmpty() && text(tipText)) a->setToolTip(tipText);
  }

  template <class T>
  void tip(T* o) {
    QString t = o->toolTip();
    if (!t.isEmpty() && text(t)) o->setToolTip(t);
  }

  void children(QObject* parent) {
    for (QObject* child : parent->children()) {
      if (auto* a = qobject_cast<QAction*>(child)) {
        action(a);
        continue;
      }
      auto* w = qobject_cast<QWidget*>(child);
      if (!w) continue;
      // Another form translates itself when shown or embedded.
      if (qobject_cast<QDialog*>(w)) continue;
      widget(w);
      // The parts of a spin box or combo box hold values, not captions.
      if (qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w)) continue;
      children(w);
    }
  }
};

}  // namespace

const QStringList* LanguageList() {
  return language;
}

const QStringList* SetLanguageList(const QStringList* list) {
  const QStringList* previous = language;
  language = list;
  return previous;
}

bool TranslateCaption(QString& text, QString& usedKeys) {
  if (!language) return false;
  if (text == u"?" || text == u"%" || text == u"0") return false;
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return false;
  bool hadAccelerator = false;
  const QString plain = withoutAccelerator(trimmed, hadAccelerator);
  QString key = asciiUpper(plain);
  const bool colon = key.endsWith(u':');
  if (colon) key.chop(1);
  const bool ellipsis = key.endsWith(QStringLiteral("..."));
  if (ellipsis) key.chop(3);
  QString value = lookUp(key);
  if (value.isEmpty()) return false;
  if (hadAccelerator) {
    for (qsizetype i = 0; i < value.size(); ++i) {
      const QChar c = value[i];
      if (isAcceleratorChar(c) && !usedKeys.contains(c, Qt::CaseSensitive)) {
        usedKeys += c;
        value.insert(i, u'&');
        break;
      }
    }
  }
  if (ellipsis) value += QStringLiteral("...");
  if (colon) value += u':';
  text = value;
  return true;
}

void TranslateForm(QWidget* form) {
  if (!language || !form) return;
  Translator t;
  QString title = form->windowTitle();
  if (t.text(title)) form->setWindowTitle(title);
  t.children(form);
}
