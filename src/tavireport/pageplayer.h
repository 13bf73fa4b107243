// Plays the pages of a print job onto its printer, all of them in order,
// without the windows of an interactive print (print range dialog,
// progress window): the same recorded pages and the same playback
// (tMetaFileRecorder::DrawPage at the printer's page offsets) as when the
// user prints from the preview. Pages are recorded as they are played, so
// the recorder holds at most its ten pages whatever the length.
//
// On "PDF-Datei" the document goes to the printer's output file, which it
// replaces only when complete (pdfoutput.h).
//
// Errors raise (EDevException with a German message, or the recorder's);
// a begun document is then dropped.
#pragma once

#include <functional>

class tPrinting;

// afterPage: called with the number of pages played so far.
void PlayPages(tPrinting& job, const std::function<void(int done)>& afterPage = {});
