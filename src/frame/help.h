// The program's help: an HTML help beside the program, "<dir>/TAVI.HLP",
// a folder holding "index.html" (contents) and one page per help context
// ("<context>.html"): 1 main window, 1200 graph dialog, 2000 payback
// dialog, 2010 the query for the years of the table, 2100 its page
// "Wirtschaftlichkeit", 4000 company data, 61000 print preview, 61100 print
// dialog, 61200 printer setup.
//
// The help window is one non-modal window that every request reuses. When
// a modal dialog asks for help, the window is opened over that dialog so
// that it can be read and scrolled while the dialog waits. It opens centred
// on the screen and no larger than the screen; Escape closes it.
#pragma once

#include <QString>

class QWidget;

// The help file of the program (the application object sets it at start).
void SetApplicationHelpFile(const QString& fileName);
QString ApplicationHelpFile();

// Shows the contents page. A missing help file is reported with ShowError.
void ShowHelpContents();
// Shows the page of a help context; a context without a page of its own
// shows the contents.
void ShowHelpTopic(int context);

// F1 anywhere in window shows the page of context.
void InstallHelpKey(QWidget* window, int context);

// The help window while it is open (nullptr otherwise), and the address of
// the page it shows; for the tests and for closing it at exit.
QWidget* HelpWindow();
QString HelpWindowSource();
void CloseHelpWindow();
