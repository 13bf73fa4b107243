// Return (or Enter) on a button that has the focus presses it, as Space
// does. Qt presses a dialog's default button instead (Return on a focused
// "Abbrechen" would confirm the dialog), and a window that is no dialog
// ignores Return; making a button auto-default would let Return in any
// entry field press it.
#pragma once

class QAbstractButton;
class QWidget;

// The filter belongs to the button and goes with it.
void ClickOnReturn(QAbstractButton* button);
// The same for every push and tool button in window (made so far).
void ClickOnReturnIn(QWidget* window);
