// The printer object: printer list, geometry in 0.1 mm against real CUPS
// queues, the margin rules and the mapping-mode contract.
#include <gtest/gtest.h>

#include <QPageSize>
#include <vector>

#include "cupsfixture.h"
#include "edevexception.h"
#include "printer.h"
#include "printtestenv.h"

namespace {

// A printer on the test queue with the unprintable strips 42 / 50 / 30 / 60,
// recording every margin error.
struct MarginPrinter : ::testing::Test {
  void SetUp() override {
    REQUIRE_CUPS();
    printer = std::make_unique<tExtendedPrinter>();
    printer->SetPrinterName(tCupsFixture::MarginQueue());
    printer->OnMarginError = [this](int side) { errors.push_back(side); };
    errors.clear();
  }
  std::unique_ptr<tExtendedPrinter> printer;
  std::vector<int> errors;
};

}  // namespace

TEST(Printers, ListHoldsTheCupsQueuesThenThePdfFileAndStartsOnTheDefault) {
  REQUIRE_CUPS();
  tExtendedPrinter printer;
  const QStringList list = printer.Printers();
  ASSERT_EQ(list.size(), 3);
  EXPECT_TRUE(list.contains(tCupsFixture::PdfQueue()));
  EXPECT_TRUE(list.contains(tCupsFixture::MarginQueue()));
  EXPECT_EQ(list.last(), QStringLiteral("PDF-Datei"));
  // The scheduler's default printer is current.
  EXPECT_EQ(printer.PrinterName(), tCupsFixture::PdfQueue());
  EXPECT_EQ(list.at(printer.PrinterIndex()), tCupsFixture::PdfQueue());
  EXPECT_FALSE(printer.IsPdfDestination());

  // Selecting by index and by name.
  printer.SetPrinterIndex(static_cast<int>(list.indexOf(tCupsFixture::MarginQueue())));
  EXPECT_EQ(printer.PrinterName(), tCupsFixture::MarginQueue());
  printer.SetPrinterIndex(static_cast<int>(list.size()) - 1);
  EXPECT_TRUE(printer.IsPdfDestination());
  EXPECT_EQ(printer.PrinterIndex(), list.size() - 1);
  printer.SetPrinterName(tCupsFixture::PdfQueue());
  EXPECT_EQ(printer.PrinterIndex(), list.indexOf(tCupsFixture::PdfQueue()));
  EXPECT_GT(printer.PixelsPerInchX(), 0);
}

TEST(Printers, UnknownPrinterIsRefusedAndTheCurrentOneStays) {
  REQUIRE_CUPS();
  tExtendedPrinter printer;
  printer.SetPrinterName(tCupsFixture::MarginQueue());
  EXPECT_THROW(printer.SetPrinterName(QStringLiteral("GIBT_ES_NICHT")), EDevException);
  EXPECT_THROW(printer.SetPrinterIndex(-1), EDevException);
  EXPECT_THROW(printer.SetPrinterIndex(static_cast<int>(printer.Printers().size())), EDevException);
  EXPECT_EQ(printer.PrinterName(), tCupsFixture::MarginQueue());
  EXPECT_EQ(printer.OffsetLeft(), 42);
}

TEST_F(MarginPrinter, GeometryFollowsThePrintersImageableArea) {
  EXPECT_EQ(printer->PaperWidth(), 2100);
  EXPECT_EQ(printer->PaperHeight(), 2970);
  EXPECT_EQ(printer->OffsetLeft(), 42);
  EXPECT_EQ(printer->OffsetTop(), 50);
  EXPECT_EQ(printer->OffsetRight(), 30);
  EXPECT_EQ(printer->OffsetBottom(), 60);
  EXPECT_EQ(printer->PrintableWidth(), 2100 - 42 - 30);
  EXPECT_EQ(printer->PrintableHeight(), 2970 - 50 - 60);
  EXPECT_FALSE(printer->IsLandscape());

  // Landscape pages lie turned on the sheet: the page's left edge is the
  // sheet's bottom edge (6.0 mm strip), its top the sheet's left (4.2 mm).
  // Each side keeps clear of both the strip it meets and the one reported.
  printer->SetOrientation(true);
  EXPECT_TRUE(printer->IsLandscape());
  EXPECT_EQ(printer->PaperWidth(), 2970);
  EXPECT_EQ(printer->PaperHeight(), 2100);
  EXPECT_EQ(printer->OffsetLeft(), 60);
  EXPECT_EQ(printer->OffsetTop(), 50);
  EXPECT_EQ(printer->OffsetRight(), 50);
  EXPECT_EQ(printer->OffsetBottom(), 60);
  EXPECT_EQ(printer->PrintableWidth(), 2970 - 60 - 50);
  EXPECT_EQ(printer->PrintableHeight(), 2100 - 50 - 60);

  printer->SetOrientation(false);
  printer->SetPaperSize(QPageSize(QPageSize::A5));
  EXPECT_EQ(printer->PaperWidth(), 1480);
  EXPECT_EQ(printer->PaperHeight(), 2100);
  EXPECT_EQ(printer->OffsetLeft(), 42);
  EXPECT_EQ(printer->PrintableWidth(), 1480 - 42 - 30);
}

TEST_F(MarginPrinter, MarginsAreStoredFromThePrintableAreaAndGivenFromThePaperEdge) {
  printer->SetLeft(200);
  EXPECT_EQ(printer->LeftMargin(), 158);
  EXPECT_EQ(printer->GetLeft(), 200);
  printer->SetTop(200);
  printer->SetRight(100);
  printer->SetBottom(200);
  EXPECT_EQ(printer->TopMargin(), 150);
  EXPECT_EQ(printer->RightMargin(), 70);
  EXPECT_EQ(printer->BottomMargin(), 140);
  EXPECT_EQ(printer->UsableWidth(), 2028 - 158 - 70);
  EXPECT_EQ(printer->UsableHeight(), 2860 - 150 - 140);
  EXPECT_TRUE(errors.empty());

  // A margin inside the strip: stored 0, the side is reported, the margin
  // from the paper edge becomes the strip.
  printer->SetLeft(30);
  EXPECT_EQ(printer->LeftMargin(), 0);
  EXPECT_EQ(printer->GetLeft(), 42);
  EXPECT_EQ(errors, std::vector<int>{0});
}

TEST_F(MarginPrinter, EverySideIsCheckedAgainstItsOwnStripAndExtent) {
  struct Case {
    int side;
    int32_t value;
    bool accepted;
  };
  const Case cases[] = {
      {0, 42, true},    {0, 41, false},   {0, 42 + 2028, true}, {0, 42 + 2029, false},
      {1, 50, true},    {1, 49, false},   {1, 50 + 2860, true}, {1, 50 + 2861, false},
      {2, 30, true},    {2, 29, false},   {2, 30 + 2028, true}, {2, 30 + 2029, false},
      {3, 60, true},    {3, 59, false},   {3, 60 + 2860, true}, {3, 60 + 2861, false},
      {0, INT32_MIN, false}, {0, INT32_MAX, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "side " << c.side << " value " << c.value);
    printer->SetMargins(0, 0, 0, 0);
    errors.clear();
    printer->SetMargin(c.side, c.value);
    if (c.accepted) {
      EXPECT_EQ(printer->GetMargin(c.side), c.value);
      EXPECT_TRUE(errors.empty());
    } else {
      EXPECT_EQ(errors, std::vector<int>{c.side});
    }
  }
}

TEST_F(MarginPrinter, OppositeMarginsMayNotOverlap) {
  // Each alone fits the 2028 wide printable area, together they do not.
  printer->SetLeft(1500);
  printer->SetRight(1000);
  EXPECT_EQ(errors, std::vector<int>{2});
  EXPECT_EQ(printer->GetRight(), 30);
  EXPECT_GE(printer->UsableWidth(), 0);

  // SetMargins checks each side against the new ones, not the old ones.
  errors.clear();
  printer->SetMargins(200, 200, 1500, 200);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(printer->GetLeft(), 200);
  EXPECT_EQ(printer->GetRight(), 1500);
}

TEST_F(MarginPrinter, OrientationAndPrinterChangesKeepTheMarginsFromThePaperEdge) {
  printer->SetMargins(200, 200, 100, 200);
  printer->SetOrientation(true);
  EXPECT_EQ(printer->GetLeft(), 200);
  EXPECT_EQ(printer->GetTop(), 200);
  EXPECT_EQ(printer->GetRight(), 100);
  EXPECT_EQ(printer->GetBottom(), 200);
  EXPECT_EQ(printer->UsableWidth(), printer->PaperWidth() - 200 - 100);
  EXPECT_EQ(printer->UsableHeight(), printer->PaperHeight() - 200 - 200);
  printer->SetOrientation(false);
  EXPECT_EQ(printer->GetLeft(), 200);
  EXPECT_EQ(printer->GetBottom(), 200);
  EXPECT_TRUE(errors.empty());

  // A bottom margin that fits the portrait page but not the landscape one.
  printer->SetBottom(2500);
  ASSERT_EQ(printer->GetBottom(), 2500);
  printer->SetOrientation(true);
  EXPECT_EQ(errors, std::vector<int>{3});
  EXPECT_EQ(printer->GetBottom(), printer->OffsetBottom());
  printer->SetOrientation(false);

  // Another printer: same distances from the paper edge where they fit.
  errors.clear();
  printer->SetMargins(200, 200, 100, 200);
  printer->SetPrinterName(tCupsFixture::PdfQueue());
  EXPECT_EQ(printer->OffsetLeft(), 0);
  EXPECT_EQ(printer->LeftMargin(), 200);
  EXPECT_EQ(printer->GetRight(), 100);
  printer->SetLeft(30);  // fine without a strip ...
  printer->SetPrinterName(tCupsFixture::MarginQueue());
  EXPECT_EQ(printer->GetLeft(), 42);  // ... but not on the printer with one
  EXPECT_EQ(errors, std::vector<int>{0});
}

TEST_F(MarginPrinter, MapModeContract) {
  EXPECT_NO_THROW(printer->SetPrnMapMode(0));
  EXPECT_EQ(printer->CurrentMapMode(), 2);
  printer->PrintMapMode = 1;
  EXPECT_NO_THROW(printer->SetPrnMapMode(1));
  EXPECT_EQ(printer->CurrentMapMode(), 1);
  for (int bad : {2, -1, 7}) {
    try {
      printer->SetPrnMapMode(bad);
      ADD_FAILURE() << "no exception for " << bad;
    } catch (const EDevException& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Ungültige Option %1 (tExtendedPrinter.SetPrnMapMode).").arg(bad));
    }
  }
  // A geometry query leaves the device in the printing mode.
  printer->SetPrnMapMode(0);
  (void)printer->PaperWidth();
  EXPECT_EQ(printer->CurrentMapMode(), 1);
}

// ---- without any CUPS printer (run with --no-cups)

TEST(NoCups, ThePdfFileIsTheOnlyAndCurrentPrinterOnA4Portrait) {
  tExtendedPrinter printer;
  EXPECT_EQ(printer.Printers(), QStringList{QStringLiteral("PDF-Datei")});
  EXPECT_EQ(printer.PrinterIndex(), 0);
  EXPECT_TRUE(printer.IsPdfDestination());
  EXPECT_EQ(printer.PrinterName(), QStringLiteral("PDF-Datei"));
  EXPECT_FALSE(printer.IsLandscape());
  EXPECT_EQ(printer.PaperWidth(), 2100);
  EXPECT_EQ(printer.PaperHeight(), 2970);
  EXPECT_EQ(printer.OffsetLeft() + printer.OffsetTop() + printer.OffsetRight() + printer.OffsetBottom(), 0);
  EXPECT_EQ(printer.PrintableWidth(), 2100);
  printer.SetMargins(200, 200, 100, 200);
  EXPECT_EQ(printer.UsableWidth(), 1800);
  EXPECT_EQ(printer.UsableHeight(), 2570);
  EXPECT_THROW(printer.SetPrinterName(QStringLiteral("TAVI_PDF")), EDevException);
  EXPECT_TRUE(printer.IsPdfDestination());
}
