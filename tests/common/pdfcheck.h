// Reading back printed documents with pdfinfo and pdftotext.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

struct tPdfFacts {
  int pages = 0;
  double widthPt = 0, heightPt = 0;  // size of the first page
  QString text;                      // the whole text, laid out
  QStringList pageTexts;             // the text of each page, simplified
};

// What pdfinfo and pdftotext find in the file (a test failure when pdfinfo
// cannot read it).
tPdfFacts InspectPdf(const QString& file);

// The box of the first word `word` on page 1, in points from the paper's
// top left corner; empty when there is none.
QRectF PdfWordBox(const QString& file, const QString& word);
