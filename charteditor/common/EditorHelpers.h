#pragma once
// What every editor page does alike: embedding a form, showing or hiding a
// group of controls, asking before deleting, the value formats offered,
// the arrow glyphs and moving items between two lists. EnableControls is
// chart/widget's.
#include <QString>

#include <initializer_list>

class QAbstractButton;
class QComboBox;
class QListWidget;
class QObject;
class QWidget;
class TButtonPen;
class TChartPen;
class TEditorForm;

// Embeds `form` in `parent` as a borderless child editing `tag`: at
// (4, max(4, (parent height - form height) / 2)), or filling the parent
// when `fill`; translated, then shown.
void AddEditorForm(TEditorForm* form, QWidget* parent, QObject* tag, bool fill = false);

// Shows or hides each control; null entries are skipped.
void ShowControls(bool visible, std::initializer_list<QWidget*> controls);

// A yes/no question through the chart prompts; true for yes.
bool AskYesNo(const QString& text);
// "Delete <name> ?"; `name` is an argument, never a format.
bool ConfirmDelete(const QString& name);

// The default value format, then the usual ones, appended in that order.
void AddValueFormats(QComboBox& combo);

void LoadArrowGlyphs(QAbstractButton& up, QAbstractButton& down);

// Appends the selected items of `from` (text and data) to `to` in list
// order, then removes them from `from`.
void MoveSelectedItems(QListWidget& from, QListWidget& to);
// Appends every item of `from` to `to`, then empties `from`.
void MoveAllItems(QListWidget& from, QListWidget& to);

// Binds the button to the pen and repaints it.
void LinkButtonPen(TButtonPen& button, TChartPen* pen);
