// tavi-report compare: two to four calculation files side by side, as the
// landscape page "Vergleich der Berechnungen" (PDF) or as CSV
// (comparecsv.h). Each file is read and checked as the other commands
// check their data file (a file that is missing, no regular file,
// unreadable, damaged, no calculation, holding values no entry field takes
// or an option code the payback dialog does not know ends the run with
// status 1 and writes nothing). The files are only read.
#pragma once

#include <QString>
#include <ostream>

#include "cmdline.h"

// programDir: where TAVI.INI (margins) lies.
int RunCompare(const tReportCommand& command, const QString& programDir, std::ostream& err);
