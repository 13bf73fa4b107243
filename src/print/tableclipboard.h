// A table on the clipboard in the two forms that other programs paste:
// tab-separated text (a spreadsheet makes cells of it) and an HTML table
// (a word processor makes a table of it). Rows of cells, the first row
// usually the heads; the texts are taken as they are shown.
#pragma once

#include <QList>
#include <QStringList>

class QMimeData;

using tClipboardTable = QList<QStringList>;

// The two forms: "text/plain" (cells separated by tabs, rows ending in a
// line feed; a tab or line break inside a cell becomes a blank) and
// "text/html" (a <table> with the cells escaped). The caller owns the
// result.
QMimeData* TableMimeData(const tClipboardTable& rows);

// Puts TableMimeData(rows) on the system clipboard; an empty table leaves
// the clipboard as it is.
void CopyTableToClipboard(const tClipboardTable& rows);
