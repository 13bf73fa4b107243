// The page frame: the header block every page of every report starts with,
// drawn through the job's recorder in 0.1 mm from the page's top left corner.
//
//   +--------+------------------------------------+-------------+
//   |        | header title (centred)             | MORLAK GmbH |
//   |  logo  | header line 1        header line 2 | TAVI 2.0    |
//   |        |------------------------------------| date - time |
//   |        | report info (bold)        directory|-------------|
//   |        | REPORT TITLE (bold)       file name| Seite n / m |
//   +--------+------------------------------------+-------------+
//
// The header is HeaderHeight() high; reports draw their content below it.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>

class tPrinting;
class tMetaFileRecorder;

// Height of the header block: 25 mm.
int HeaderHeight();

// Draws the header of page pageNumber of job into the job's recorder, which
// must have that page open. width -1: the printer's usable width (printable
// width minus the left and right margin). A title, report info or report
// title too long for its cell is shortened with "…" so that it ends 1 mm
// inside the cell.
void DrawPageHeader(tPrinting& job, int32_t pageNumber, int width = -1);

// Draws the maker's logo into the box (x, y, 130 x 130) with its aspect
// kept. Raises "Ungültiger Rekorder (DrawMORLAKSymbol)." without a recorder.
void DrawMORLAKSymbol(tMetaFileRecorder* recorder, int x, int y);

// Helpers of the header, also for the reports:

// text, or as much of its beginning as fits maxWidth (measured by widthOf)
// with "…" after it (blanks before the "…" dropped); just "…" when not even
// one character fits.
QString ElideText(const QString& text, int maxWidth, const std::function<int(const QString&)>& widthOf);

// The creation date and time as the header prints them: day, month and
// four-digit year joined by the locale's date separator, " - ", hour (24 h)
// and minute joined by its time separator ("07.12.2026 - 14:05" in German).
QString HeaderDateTime(const QDateTime& when);

// A directory shortened to fit maxWidth (measured by widthOf): leading
// directories give way to "..." while the root and the last directories
// stay, as many as fit ("/home/.../TAVI/Daten/"). When no such form fits,
// the shortest one is returned ("/.../Daten/", or ".../Daten/" when even
// that is too wide); the caller's box clips it.
QString ShortenDirectory(const QString& directory, int maxWidth, const std::function<int(const QString&)>& widthOf);
