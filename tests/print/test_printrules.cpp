// Rules of the print framework that need no printer and no window: the page
// list of the print range dialog and the geometry of the preview's sheet.
#include <QRect>
#include <gtest/gtest.h>

#include "pagelist.h"
#include "previewgeometry.h"

namespace {

// ------------------------------------------------------------ page lists

TEST(PageList, PagesAreReadInTheirTypedOrder) {
  const struct {
    QString text;
    std::vector<int32_t> pages;
  } cases[] = {
      {QStringLiteral("1-5;10;6"), {1, 2, 3, 4, 5, 10, 6}},
      {QStringLiteral(" 3 "), {3}},
      {QStringLiteral("\u00B73\u00B7"), {3}},
      {QStringLiteral("1-5;"), {1, 2, 3, 4, 5}},
      {QStringLiteral("2;2"), {2, 2}},
      {QStringLiteral("1-3-5;12"), {1, 2, 3, 4, 5, 12}},
      {QStringLiteral("007"), {7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const tPageList list = ParsePageList(c.text, 12);
    EXPECT_TRUE(list.Messages.isEmpty()) << list.Messages.join(u'|').toStdString();
    EXPECT_TRUE(list.Valid());
    EXPECT_EQ(list.Pages, c.pages);
  }
}

TEST(PageList, EachFaultIsReportedAndGivesNoPages) {
  const QString invalid = QStringLiteral(
      "Die Seitenangabe ist ungültig.\nSeitenbereiche werden aufsteigend angegeben, z. B. 1-5;10;6.");
  auto badChar = [](const QString& c) {
    return QStringLiteral("Ungültiges Zeichen \"%1\" in der Seitenangabe.\nErlaubt sind nur Ziffern, \"-\" und \";\".")
        .arg(c);
  };
  auto missing = [](const QString& n) { return QStringLiteral("Seite %1 ist im Dokument nicht vorhanden.").arg(n); };
  const QString empty = QStringLiteral("Bitte geben Sie die Seiten an, die gedruckt werden sollen.");
  const struct {
    QString text;
    QStringList messages;
  } cases[] = {
      {QStringLiteral("5-3"), {invalid}},
      {QStringLiteral("2;3-3"), {invalid}},
      {QStringLiteral("0"), {missing(QStringLiteral("0"))}},
      {QStringLiteral("13"), {missing(QStringLiteral("13"))}},
      {QStringLiteral("1-13"), {missing(QStringLiteral("13"))}},
      {QStringLiteral("99999999999999999999"), {missing(QStringLiteral("99999999999999999999"))}},
      {QStringLiteral("1,2"), {badChar(QStringLiteral(","))}},
      {QStringLiteral("1a,b"),
       {badChar(QStringLiteral("a")), badChar(QStringLiteral(",")), badChar(QStringLiteral("b"))}},
      {QStringLiteral(""), {empty}},
      {QStringLiteral("   "), {empty}},
      {QStringLiteral("-3"), {invalid}},
      {QStringLiteral("1;;2"), {invalid}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const tPageList list = ParsePageList(c.text, 12);
    EXPECT_EQ(list.Messages, c.messages);
    EXPECT_FALSE(list.Valid());
    EXPECT_TRUE(list.Pages.empty());
  }
}

// ------------------------------------------------------- preview geometry

tSheetPaper A4(bool useMargins) {
  tSheetPaper p;
  p.PaperWidth = 2100;
  p.PaperHeight = 2970;
  p.PrintableWidth = 2100;
  p.PrintableHeight = 2970;
  p.MarginLeft = 200;
  p.MarginTop = 200;
  p.UseMargins = useMargins;
  return p;
}

TEST(PreviewGeometry, LengthsAndSheetFollowZoomAndDpi) {
  EXPECT_EQ(PreviewPixels(2100, 96, 60), 476);  // 476.2 truncated
  EXPECT_EQ(PreviewPixels(254, 96, 100), 96);   // an inch is the dpi
  EXPECT_EQ(PreviewPixels(254, 96.7, 100), 96); // whole dpi only
  EXPECT_EQ(PreviewPixels(0, 96, 500), 0);
  // A4 at 60 % on a 96 dpi screen: 481 × 678 with the shadow.
  EXPECT_EQ(SheetBoxSize(2100, 2970, 96, 60), QSize(481, 678));
  EXPECT_EQ(SheetBoxSize(2100, 2970, 192, 100), QSize(1587 + 5, 2245 + 5));
}

TEST(PreviewGeometry, ThePageStandsAtTheMarginsOrAtThePrintableArea) {
  const double dpi = 96;
  // Margins 20 mm left and top: the page starts there, at its recorded size.
  EXPECT_EQ(PreviewPageRect(A4(true), dpi, 100),
            QRect(75, 75, PreviewPixels(2300, dpi, 100) - 75, PreviewPixels(3170, dpi, 100) - 75));
  EXPECT_EQ(PreviewPageRect(A4(false), dpi, 100).topLeft(), QPoint(0, 0));

  // A printer with unprintable strips 4.2 / 5.0 / 3.0 / 6.0 mm.
  tSheetPaper p = A4(false);
  p.StripLeft = 42;
  p.StripTop = 50;
  p.StripRight = 30;
  p.StripBottom = 60;
  p.PrintableWidth = 2100 - 72;
  p.PrintableHeight = 2970 - 110;
  const int left = PreviewPixels(42, dpi, 100), top = PreviewPixels(50, dpi, 100);
  EXPECT_EQ(PreviewPageRect(p, dpi, 100).topLeft(), QPoint(left, top));
  // Recorded in whole millimetres: 202.8 mm wide is played 202 mm wide.
  EXPECT_EQ(PreviewPageRect(p, dpi, 100).width(), PreviewPixels(42 + 2020, dpi, 100) - left);
  EXPECT_EQ(PreviewPrintableRect(p, dpi, 100),
            QRect(left, top, PreviewPixels(2100 - 30, dpi, 100) - left, PreviewPixels(2970 - 60, dpi, 100) - top));
}

TEST(PreviewGeometry, ASheetSmallerThanItsViewStandsInTheMiddle) {
  EXPECT_EQ(SheetPosition(QSize(100, 200), QSize(300, 300), QPoint(0, 0)), QPoint(100, 50));
  // Larger: 5 pixels in, moved by the scroll bars.
  EXPECT_EQ(SheetPosition(QSize(800, 1200), QSize(300, 300), QPoint(40, 70)), QPoint(-35, -65));
  EXPECT_EQ(SheetPosition(QSize(100, 1200), QSize(300, 300), QPoint(40, 70)), QPoint(100, -65));
}

}  // namespace
