#pragma once
// Controls of the series editors, made with their object names (the names
// the chart editor's users and its tests know them by).
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class QWidget;

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption);
QComboBox* MakeCombo(QWidget* parent, const char* name, const QStringList& items);
// A number box of `low`..`high`; an editor with only a lower bound passes
// 100 as the upper one, as its up-down had.
QSpinBox* MakeSpin(QWidget* parent, const char* name, int low, int high, int step = 1);
// A box for a decimal value without a practical limit (±1e9).
QDoubleSpinBox* MakeDecimalBox(QWidget* parent, const char* name);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
// A caption whose mnemonic moves the focus to `buddy`.
QLabel* MakeLabel(QWidget* parent, const QString& caption, QWidget* buddy);
