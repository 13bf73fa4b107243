// Whether a PDF file was written whole. The PDF writer of the toolkit does
// not report failed writes (a full disk, the file-size limit), so a PDF
// output is checked before it replaces anything: the file must end with
// "%%EOF" and a line end after a "startxref" that leads to its
// cross-reference table, and every object that table lists as in use must
// start exactly where it says ("<number> <generation> obj"). A write that
// failed anywhere leaves the file short, so that the offsets written later
// no longer match.
//
// Standard C++ and POSIX; reads through the descriptor without moving its
// position.
#pragma once

bool PdfIsComplete(int fd);
