// Plays the pages of a print job onto its printer, all of them in order,
// without the windows of an interactive print (print range dialog,
// progress window): the same recorded pages and the same playback
// (tMetaFileRecorder::DrawPage at the printer's page offsets) as when the
// user prints from the preview. Pages are recorded as they are played, so
// the recorder holds at most its ten pages whatever the length.
//
// Errors raise (EDevException with a German message, or the recorder's);
// a begun document is then dropped.
#pragma once

#include <QString>

class tPrinting;

// On the job's current printer (a CUPS queue).
void PlayPages(tPrinting& job);

// On "PDF-Datei" into `fileName`: written to a temporary file beside it,
// which replaces `fileName` only when the document is complete. The job's
// printer must be the PDF destination.
void PlayPagesToFile(tPrinting& job, const QString& fileName);
