#pragma once
// Free-text numbers of the series editors, in the user's locale.
class QLineEdit;

// The box's value: a finite number in the user's locale; false for any
// other text (nothing is written, no message shown).
bool ReadFiniteNumber(const QLineEdit& edit, double& value);
