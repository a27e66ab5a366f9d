#pragma once
// Translation of the editors' forms from a language list of "KEY=text"
// lines, where KEY is the English text in upper case without its "&", its
// trailing ":" and its trailing "...". Nothing here installs a list: with
// none, translating a form does nothing and every form keeps its English.
// Accelerators stay unique within a form: a translated text that had one
// gets it on its first letter or digit not yet taken on that form.
#include <QString>
#include <QStringList>

class QWidget;

// The list in force (not owned), null by default.
const QStringList* LanguageList();
// Installs `list` (null removes it) and answers the previous one.
const QStringList* SetLanguageList(const QStringList* list);

// Translates one text in place; `usedKeys` holds the accelerator characters
// already placed on the form and gains the one placed here. True when the
// text was replaced.
bool TranslateCaption(QString& text, QString& usedKeys);

// Translates the window title, then, depth first in creation order, the
// texts, items, tab texts, actions and tooltips of every widget below it.
// Forms embedded in it (other dialogs) are left to their own translation.
void TranslateForm(QWidget* form);
