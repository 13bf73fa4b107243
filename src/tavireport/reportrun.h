// What tavi-report does with a command line it could read: read the data
// file, compute what the payback dialog computes when it opens, and write
// the table, the graph, the overview, the page of the economic appraisal or
// that of the sensitivity as PDF, CSV (table, appraisal, sensitivity) or to
// a CUPS queue. The inputs of the appraisal and of the sensitivity are the
// data file's, each replaced by its option when given; a damaged block of
// them in the data file is reported as a warning (the defaults are used).
//
// Messages (German) go to `err`; the answer is the exit status: 0 done,
// 1 failure (data file missing, not a file or unreadable, values in it that
// no entry field takes, unknown option code in it, unknown printer, a
// report the page cannot hold, a cover sheet whose layout file is missing
// or damaged, output not writable or one of the program's own files).
// Files are written whole or not at all (reportoutput.h). The data file and
// TAVI.INI are only read.
#pragma once

#include <QString>
#include <ostream>

#include "cmdline.h"

class tTaviDaten;
struct tEconomicsInputs;

// programDir: where TAVI.DAT and TAVI.INI lie.
int RunReport(const tReportCommand& command, const QString& programDir, std::ostream& err);

// The record as the payback dialog has it after opening: in standard-price
// mode investments and training costs from the price list and the training
// days. An empty answer, or the dialog's German message for an option code
// it does not know.
QString PrepareRecord(tTaviDaten& daten);

// The options of the appraisal given on the command line, over the inputs.
void ApplyEconomicsOptions(const tReportCommand& command, tEconomicsInputs& inputs);
// The options of the sensitivity, over its inputs.
struct tSensitivityInputs;
void ApplySensitivityOptions(const tReportCommand& command, tSensitivityInputs& inputs);
