// TAVI: payback calculation for computer-aided time-study systems.
//
// Start: splash screen, application title, main window, message loop until
// the main window closes. The main window then writes the data file when
// it is destroyed.
#include <QApplication>
#include <QObject>
#include <QPointer>
#include <clocale>

#include "appimages.h"
#include "dlgmain.h"
#include "help.h"
#include "msgdlg.h"
#include "sessionend.h"
#include "splash.h"
#include "toolkittexts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt takes the user's locale into the C library; its number conversions
  // must keep the point. The user's decimal separator is taken from QLocale
  // by the application object and used for every number shown.
  std::setlocale(LC_NUMERIC, "C");
  // Context menus and standard dialogs in German, like everything else.
  InstallToolkitTexts(app);
  // Every window carries the program's icon.
  QApplication::setWindowIcon(ProgramIcon());

  ShowSplash(4, 100, 1000);
  QCoreApplication::setApplicationName(QStringLiteral("TAVI"));

  auto* window = new tDlgMain;
  if (window->OpenDeclined()) {  // another program has the data file; the user chose not to open it
    SetTerminating(true);
    delete window;
    return 0;
  }
  // Termination signals and the end of the desktop session close the
  // window the normal way, so that the data file is still written.
  const QPointer<tDlgMain> main(window);
  tSessionEnd sessionEnd(
      [main] {
        if (main) main->RequestClose();
      },
      [main] {
        if (main) main->SaveData();
      });
  // The program ends with the main window, even while a help window is open.
  QObject::connect(window, &tDlgMain::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  window->show();
  const int result = QApplication::exec();

  SetTerminating(true);
  CloseHelpWindow();
  delete window;
  return result;
}
