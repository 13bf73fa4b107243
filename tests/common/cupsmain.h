// The main function of a test program whose cases print through the
// private CUPS scheduler (cupsfixture.h).
//
// Starts the scheduler when this machine can run it, before anything asks
// for printers; creates the application object (QApplication on Qt's
// offscreen platform, unless the environment chose one, when `gui`; else
// QCoreApplication); runs every case and stops the scheduler again.
// `cups` tells the cases whether the scheduler runs, `why` why not (the
// cases that need it skip). Answers the exit status of the test run, 1
// when the scheduler should start and does not.
#pragma once

#include <QString>

int RunTestsWithCups(int argc, char** argv, const QString& marginPpd, bool gui, bool& cups, QString& why);
