#pragma once
// Controls of the chart editor's forms, made with their object names (the
// names the chart editor's users and its tests know them by).
#include <QString>
#include <QStringList>

class QAbstractSpinBox;
class QCheckBox;
class QLabel;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class QWidget;

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption);
QComboBox* MakeCombo(QWidget* parent, const char* name, const QStringList& items);
// A number box tells its value when the user is done with it (Enter, the
// focus leaving, an arrow or a wheel step), not at every keystroke: "60"
// typed where 6 is refused must not stop at 6. Every number box the forms
// make goes through here.
void WriteWhenFinished(QAbstractSpinBox* box);
// A number box of `low`..`high`; one with only a lower bound tops out at
// 100, as its up-down had.
QSpinBox* MakeSpin(QWidget* parent, const char* name, int low, int high = 100, int step = 1);
// A box for a decimal value without a practical limit (±1e9).
QDoubleSpinBox* MakeDecimalBox(QWidget* parent, const char* name);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
// A caption whose mnemonic moves the focus to `buddy`, when there is one.
QLabel* MakeLabel(QWidget* parent, const QString& caption, QWidget* buddy = nullptr);
