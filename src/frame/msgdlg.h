// Message dialogs: the one way errors, notes and questions reach the user.
//
// The dialog is built by us (not the toolkit's message box) so that captions
// and button texts come from the language strings (German defaults while no
// language file is loaded) and the dialog takes the main window's font.
// While the application is shutting down (IsTerminating()) the convenience
// functions fall back to the plain system message box.
#pragma once

#include <QString>

enum class tMsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Buttons, passed as a bit mask.
enum tMsgDlgBtn : int {
  mbYes = 1 << 0,
  mbNo = 1 << 1,
  mbOK = 1 << 2,
  mbCancel = 1 << 3,
  mbAbort = 1 << 4,
  mbRetry = 1 << 5,
  mbIgnore = 1 << 6,
  mbAll = 1 << 7,
  mbNoToAll = 1 << 8,
  mbYesToAll = 1 << 9,
  mbHelp = 1 << 10,
};

// Modal results.
enum tModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
  mrNoToAll = 9,
  mrYesToAll = 10,
};

// Shows the dialog modally and answers the modal result.
int MessageDialog(const QString& text, tMsgDlgType type, int buttons, int helpContext);

void ShowError(const QString& text);
void ShowInformation(const QString& text);
void ShowWarning(const QString& text);
bool AskConfirmation(const QString& text);  // true for "Ja"
int AskYesNoCancel(const QString& text);    // mrYes, mrNo or mrCancel

// The text as the dialog shows it: the line breaks "\r\n", "\n\r" and a
// lone "\r" each become one "\n".
QString MessageDisplayText(const QString& text);

// Set while the program ends (after the main window closed).
void SetTerminating(bool on);
bool IsTerminating();
