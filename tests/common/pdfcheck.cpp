#include "pdfcheck.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "cupsfixture.h"

tPdfFacts InspectPdf(const QString& file) {
  tPdfFacts pdf;
  QString info;
  EXPECT_EQ(tCupsFixture::Run({QStringLiteral("pdfinfo"), file}, &info), 0) << qPrintable(info);
  const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
  if (pages.hasMatch()) pdf.pages = pages.captured(1).toInt();
  const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
  if (size.hasMatch()) {
    pdf.widthPt = size.captured(1).toDouble();
    pdf.heightPt = size.captured(2).toDouble();
  }
  EXPECT_EQ(tCupsFixture::Run({QStringLiteral("pdftotext"), QStringLiteral("-layout"), file, QStringLiteral("-")},
                              &pdf.text),
            0);
  for (int k = 1; k <= pdf.pages; ++k) {
    QString text;
    tCupsFixture::Run({QStringLiteral("pdftotext"), QStringLiteral("-f"), QString::number(k), QStringLiteral("-l"),
                       QString::number(k), file, QStringLiteral("-")},
                      &text);
    pdf.pageTexts << text.simplified();
  }
  return pdf;
}

QRectF PdfWordBox(const QString& file, const QString& word) {
  QString html;
  tCupsFixture::Run({QStringLiteral("pdftotext"), QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                     QStringLiteral("-l"), QStringLiteral("1"), file, QStringLiteral("-")},
                    &html);
  const auto m = QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                                   "yMax=\"([\\d.]+)\">%1</word>")
                                        .arg(QRegularExpression::escape(word)))
                     .match(html);
  if (!m.hasMatch()) return QRectF();
  return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}
