// A private CUPS scheduler for the printing tests.
//
// Start() runs cupsd from a fresh folder under /tmp with its own
// configuration, spool and socket (a scheduler of the system, running or
// not, stays untouched) and points this process and its children at it
// through CUPS_SERVER. It sets up two queues that print through the cups-pdf
// backend:
//   TAVI_PDF   the cups-pdf printer as Debian ships it (A4, no unprintable
//              strips); the default printer
//   TAVI_RAND  a PostScript printer described by tests/print/tavi-rand.ppd,
//              whose A4 page has unprintable strips of 4.2 (left), 5.0
//              (top), 3.0 (right) and 6.0 mm (bottom)
// cups-pdf writes each job as a PDF into the folder of the submitting user
// that /etc/cups/cups-pdf.conf names ("Out"); WaitForPdf() finds it there.
//
// Call Start() before anything in the process asks for printers (Qt and
// libcups remember the scheduler they first talked to). cupsd needs root to
// run the cups-pdf backend; as another user Start() fails and says why.
#pragma once

#include <QString>

class tCupsFixture {
 public:
  static QString PdfQueue() { return QStringLiteral("TAVI_PDF"); }
  static QString MarginQueue() { return QStringLiteral("TAVI_RAND"); }

  // Whether this machine can run the scheduler at all (root, cupsd, cups-pdf);
  // false with the reason otherwise.
  static bool Available(QString* why);
  // Starts the scheduler with both queues; `marginPpd` is the path of
  // tavi-rand.ppd. False with a message when anything fails.
  static bool Start(const QString& marginPpd, QString* error);
  // Stops the scheduler and removes its folder. Safe to call twice.
  static void Stop();
  static bool Running();
  // The scheduler's socket (CUPS_SERVER) and its error log.
  static QString Socket();
  static QString ErrorLog();

  // Makes this process see no CUPS printers at all: CUPS_SERVER names a
  // socket where nothing listens. Call it instead of Start().
  static void HideScheduler();

  // The folder cups-pdf writes this user's PDFs to.
  static QString PdfOutputDir();
  // Waits (polling, at most timeoutMs) until the scheduler has no unfinished
  // job left and a PDF whose file name contains `titleMark` is in
  // PdfOutputDir(). Returns its path, or an empty text with the reason
  // (including the end of the scheduler's log).
  static QString WaitForPdf(const QString& titleMark, int timeoutMs, QString* error);

  // Runs a program (searched in PATH) with the scheduler's environment and
  // returns its exit code (-1 when it could not run); its standard output
  // and error go to `output` when given.
  static int Run(const QStringList& argv, QString* output = nullptr);
};
