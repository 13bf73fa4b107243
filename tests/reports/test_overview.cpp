// The overview printout: its three designed cover sheets, filled from the
// calculation, recorded as data and printed.
//
// The sheets are the layout files the build makes (BLATT1.CFM to
// BLATT3.CFM in the program's directory); recorded pages are read back as
// texts, printed documents with pdfinfo and pdftotext.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QWidget>
#include <algorithm>
#include <array>
#include <memory>
#include <set>

#include "commandlist.h"
#include "cupsfixture.h"
#include "cupsmain.h"
#include "datacommand.h"
#include "deckblatt4.h"
#include "deckblattprinting.h"
#include "drawobjectcommand.h"
#include "economicssheet.h"
#include "mainfont.h"
#include "numfmt.h"
#include "objstream.h"
#include "payback.h"
#include "pdfcheck.h"
#include "printer.h"
#include "printtesthost.h"
#include "reportfixture.h"
#include "reporttest.h"
#include "tempdir.h"
#include "workedexample.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

bool gCups = false;
QString gNoCups;

const QString kBin = QStringLiteral(TAVI_TEST_BIN_DIR);
const QString kPreparation = QStringLiteral("Fehler bei der Druckaufbereitung.\n\r");
// The data field numbers of each sheet: the figures and texts, and on
// sheets 2 and 3 the units beside the paybacks (30; 23 and 24).
std::vector<int> Fields(int sheet) {
  const int last[] = {56, 28, 24};
  std::vector<int> fields;
  for (int order = 0; order <= last[sheet - 1]; ++order) fields.push_back(order);
  if (sheet == 2) fields.push_back(30);
  return fields;
}

std::unique_ptr<TCommandList> LoadSheet(const QString& file) {
  tObjFileStream stream(QFile::encodeName(file).toStdString(), 32);
  auto list = GetCommandList(stream);
  EXPECT_EQ(stream.GetStatus(), stOk) << file.toStdString();
  return list;
}

class Overview : public tReportFixture {
 protected:
  void SetUp() override {
    tReportFixture::SetUp();
    if (HasFatalFailure()) return;
    for (int n = 1; n <= 4; ++n) ASSERT_TRUE(fDir.CopyIn(kBin + QStringLiteral("/BLATT%1.CFM").arg(n)));
  }
  std::unique_ptr<tDeckBlattPrinting> Job(tOverviewSheets sheets = tOverviewSheets::Overview) {
    return std::make_unique<tDeckBlattPrinting>(
        fDaten, fCalc, fDir.Path(), [this](const QString& message) { fMessages << message; }, sheets);
  }
  // Running costs of 1200 and 2400 euros a year, 6 %.
  void SetEconomics() {
    fDaten.Economics.RunningCostsZS = 1200;
    fDaten.Economics.RunningCostsPL = 2400;
    fDaten.Economics.RateTenths = 60;
  }
  static std::vector<tPageText> Texts(tPrinting& job, int32_t page) {
    job.Recorder.Clear();
    job.RecordPage(page);
    return PageTexts(*job.Recorder.FindPage(page));
  }
  static bool Has(const std::vector<tPageText>& texts, const QString& text) {
    return std::any_of(texts.begin(), texts.end(), [&](const tPageText& t) { return t.Text == text; });
  }

  QStringList fMessages;
};

// ------------------------------------------------------------ the sheets

TEST_F(Overview, EverySheetShowsEachOfItsFieldsOnceInsideTheUsableArea) {
  // A4 with the default margins (20 / 20 / 10 / 20 mm), as the job scales.
  const int32_t width = Printer().UsableWidth();
  const int32_t height = Printer().UsableHeight();
  ASSERT_EQ(width, 1800);
  ASSERT_EQ(height, 2570);
  const std::array<int32_t, 2> sizes = {width, Printer().PrintableHeight()};
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    std::unique_ptr<TCommandList> list = LoadSheet(fDir.File(QStringLiteral("BLATT%1.CFM").arg(n)));
    ASSERT_NE(list, nullptr);
    list->MoveOrigin(0, 260);
    list->ScaleTo(2, sizes, 1);
    list->MoveOrigin(0, 260);

    std::multiset<int> fields;
    for (int i = 0; i < list->Count(); ++i) {
      TCommand& c = *list->At(i);
      SCOPED_TRACE(c.GetName());
      // The two drawing objects only mark the canvas; they draw nothing.
      if (dynamic_cast<TDrawObjectCommand*>(&c)) continue;
      EXPECT_GE(c.Left, 0);
      EXPECT_LE(c.Left + c.Width, width);
      EXPECT_GE(c.Top, 260);  // below the page header
      EXPECT_LE(c.Top + c.Height, height);
      if (const int16_t* font = c.ScaledFontHeight()) {
        EXPECT_LE(*font, -25);  // at least 2.5 mm
      }
      if (auto* data = dynamic_cast<TDataCommand*>(&c)) {
        fields.insert(data->Order);
        const bool justification =
            (n == 2 && data->Order < 20 && data->Order % 5 != 0) || (n == 3 && data->Order >= 18 && data->Order <= 22);
        if (justification) {
          EXPECT_GE(c.Width, 1700) << data->Order;     // a line wrapped at 170 mm fits
          EXPECT_GE(data->FontHeight, -40) << data->Order;  // not larger than it was wrapped with
        }
      }
    }
    std::multiset<int> expected;
    for (const int order : Fields(n)) expected.insert(order);
    EXPECT_EQ(fields, expected);
  }
}

TEST_F(Overview, WorkedExampleFillsEveryFieldOfTheThreePages) {
  const auto job = Job();
  EXPECT_EQ(job->PageCount(), 3);
  EXPECT_EQ(job->JobTitle, QStringLiteral("Amortisationsrechnung"));
  EXPECT_EQ(job->ReportTitle, QStringLiteral("Gesamtübersicht"));
  EXPECT_EQ(job->HeaderTitle, QStringLiteral("Muster GmbH"));
  EXPECT_EQ(job->ReportInfo, QStringLiteral("Bearbeitet von Erika Muster"));
  EXPECT_TRUE(Printer().IsLandscape() == false);

  const auto* sheet2 = dynamic_cast<tTaviDeckblatt2*>(job->FindPrintingPage(2));
  const auto* sheet3 = dynamic_cast<tTaviDeckblatt3*>(job->FindPrintingPage(3));
  ASSERT_NE(sheet2, nullptr);
  ASSERT_NE(sheet3, nullptr);
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const std::vector<tPageText> texts = Texts(*job, n);
    EXPECT_TRUE(Has(texts, QStringLiteral("Seite %1 / 3").arg(n)));
    for (const tPageText& t : texts) EXPECT_FALSE(t.Text.contains(QStringLiteral("OnData"))) << t.Text.toStdString();
    for (const int order : Fields(n)) {
      std::optional<std::string> text = n == 1   ? CoverSheet1Text(order, fDaten)
                                        : n == 2 ? CoverSheet2Text(order, fDaten, fCalc, sheet2->Lines)
                                                 : CoverSheet3Text(order, fDaten, fCalc, sheet3->LinesInvestition);
      ASSERT_TRUE(text.has_value()) << order;
      if (!text->empty()) {
        EXPECT_TRUE(Has(texts, QString::fromStdString(*text))) << order << " " << *text;
      }
    }
  }
  // A few figures as the sheets show them.
  EXPECT_TRUE(Has(Texts(*job, 1), QStringLiteral("  120")));
  EXPECT_TRUE(Has(Texts(*job, 2), QStringLiteral("  2.9")));
  EXPECT_TRUE(Has(Texts(*job, 3), QStringLiteral("  0.39")));
  EXPECT_TRUE(fMessages.isEmpty()) << fMessages.join(u'|').toStdString();
}

TEST_F(Overview, JustificationsAreWrappedAt170MillimetresOnceWhenThePagesAreBuilt) {
  // The default texts are long: four lines each, the last cut with " …".
  const auto job = Job();
  const auto* sheet2 = dynamic_cast<tTaviDeckblatt2*>(job->FindPrintingPage(2));
  ASSERT_NE(sheet2, nullptr);
  job->Recorder.StartTestPage();
  tFont& font = job->Recorder.Font();
  font.Name = QStringLiteral("Arial");
  font.Height = -40;
  font.Style = 0;
  for (const tWrappedLines& lines : sheet2->Lines) {
    EXPECT_GE(lines.size(), 4u);
    for (const std::string& line : lines)
      EXPECT_LE(job->Recorder.TextWidth(QString::fromStdString(line)), 1700) << line;
  }
  job->Recorder.EndTestPage();

  // A short text of one line, and two paragraphs: each line on its own.
  fDaten.BegruendungVorbereitung.SetText("Kurz.");
  fDaten.BegruendungAuswertung.SetText("Erster Absatz.\r\nZweiter Absatz.");
  const std::string word(200, 'W');  // wider than 170 mm, no place to break
  fDaten.BegruendungInvestition.SetText(word);
  const auto again = Job();
  const std::vector<tPageText> texts = Texts(*again, 2);
  const auto* page2 = dynamic_cast<tTaviDeckblatt2*>(again->FindPrintingPage(2));
  EXPECT_EQ(page2->Lines[0], tWrappedLines{"Kurz."});
  EXPECT_EQ(page2->Lines[2], (tWrappedLines{"Erster Absatz.", "Zweiter Absatz."}));
  EXPECT_TRUE(Has(texts, QStringLiteral("Kurz.")));
  EXPECT_TRUE(Has(texts, QStringLiteral("Zweiter Absatz.")));
  const auto* page3 = dynamic_cast<tTaviDeckblatt3*>(again->FindPrintingPage(3));
  ASSERT_GE(page3->LinesInvestition.size(), 2u);
  std::string joined;
  for (const std::string& line : page3->LinesInvestition) joined += line;
  EXPECT_EQ(joined, word);  // cut at the width, nothing lost
}

// A large department and the largest figures the entry fields allow: every
// figure whole, inside its field, clear of its neighbours on the line.
TEST_F(Overview, LargeFiguresFitTheirFieldsWithoutAsterisks) {
  tTaviDaten large = WorkedExampleStandardPrices();  // 2000 studies of 8 hours at 60 euros
  large.AnzZS = 2000;
  large.DauerZS = 8;
  large.Stundensatz = 60;
  tTaviDaten limit = large;  // 99 989 000 hours and 2 099 769 000 euros a year
  limit.AnzZS = 99999;
  limit.DauerZS = 999.9L;
  limit.Stundensatz = 21;
  for (const tTaviDaten& d : {large, limit}) {
    SCOPED_TRACE(d.AnzZS);
    fDaten = d;
    fCalc.Calculate(fDaten);
    const auto job = Job();
    for (int n = 1; n <= 3; ++n) {
      SCOPED_TRACE(n);
      const std::vector<tPageText> texts = Texts(*job, n);
      for (const tPageText& t : texts) {
        SCOPED_TRACE(t.Text.toStdString());
        EXPECT_FALSE(t.Text.contains(u'*'));
        // Texts padded with blanks fit the width they had before; the
        // others are not cut by their field.
        const bool padded = t.Text.startsWith(u' ');
        if (t.Clip.Right > t.Clip.Left && !padded) {
          EXPECT_GE(t.Left(), t.Clip.Left);
          EXPECT_LE(t.Right(), t.Clip.Right);
        }
        for (const tPageText& o : texts) {
          if (&o == &t || o.Y != t.Y || padded || o.Text.startsWith(u' ') || o.Text.isEmpty() || t.Text.isEmpty())
            continue;
          EXPECT_TRUE(o.Right() <= t.Left() || t.Right() <= o.Left()) << o.Text.toStdString();
        }
      }
    }
    EXPECT_TRUE(Has(Texts(*job, 1), QString::number(d.KostenGesamt())));
  }
  EXPECT_TRUE(Has(Texts(*Job(), 1), QStringLiteral("2099769000")));
  EXPECT_TRUE(fMessages.isEmpty());
}

// The fields that were widened for large figures kept their right edges:
// the worked example's figures stand where they always stood (A4, default
// margins).
TEST_F(Overview, FiguresThatFitStandWhereTheyStood) {
  const struct {
    int page;
    const char* text;
    int x, y;
  } cases[] = {
      {1, "45000", 1297, 943},  {1, " 3750", 1758, 943},  {1, "22500", 1297, 1636}, {1, " 3375", 1758, 1954},
      {2, "22500", 1586, 1803}, {2, "62020", 1586, 1990}, {3, " 42750", 722, 1026}, {3, " 38850", 1586, 1214},
  };
  const auto job = Job();
  for (const auto& c : cases) {
    const std::vector<tPageText> texts = Texts(*job, c.page);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const tPageText& t) {
      return t.Text == QLatin1String(c.text) && t.X == c.x && t.Y == c.y && t.Align == (TA_RIGHT | TA_TOP);
    })) << c.page << " " << c.text;
  }
}

TEST_F(Overview, NoPaybackReadsKeineWithoutMonths) {
  fDaten.PotentialVorb = fDaten.PotentialDurchf = fDaten.PotentialAuswert = fDaten.PotentialAnzZS = 0;
  fCalc.Calculate(fDaten);
  const auto job = Job();
  for (int n = 2; n <= 3; ++n) {
    const std::vector<tPageText> texts = Texts(*job, n);
    EXPECT_FALSE(Has(texts, QStringLiteral("Monate"))) << n;
    EXPECT_TRUE(Has(texts, n == 2 ? QStringLiteral("keine") : QStringLiteral(" keine"))) << n;
  }
  // With a payback, the unit is where the label was: same place, same font.
  fDaten = WorkedExampleStandardPrices();
  fCalc.Calculate(fDaten);
  const std::vector<tPageText> texts = Texts(*Job(), 3);
  int units = 0;
  for (const tPageText& t : texts) units += t.Text == QStringLiteral("Monate");
  EXPECT_EQ(units, 2);
}

// ------------------------------------------------------ the appraisal

TEST_F(Overview, AppraisalSheetShowsEachOfItsFieldsOnceInsideTheUsableArea) {
  const std::array<int32_t, 2> sizes = {Printer().UsableWidth(), Printer().PrintableHeight()};
  std::unique_ptr<TCommandList> list = LoadSheet(fDir.File(QStringLiteral("BLATT4.CFM")));
  ASSERT_NE(list, nullptr);
  list->MoveOrigin(0, 260);
  list->ScaleTo(2, sizes, 1);
  list->MoveOrigin(0, 260);
  std::multiset<int> fields;
  for (int i = 0; i < list->Count(); ++i) {
    TCommand& c = *list->At(i);
    if (dynamic_cast<TDrawObjectCommand*>(&c)) continue;
    SCOPED_TRACE(c.GetName());
    EXPECT_GE(c.Left, 0);
    EXPECT_LE(c.Left + c.Width, Printer().UsableWidth());
    EXPECT_GE(c.Top, 260);
    EXPECT_LE(c.Top + c.Height, Printer().UsableHeight());
    if (auto* data = dynamic_cast<TDataCommand*>(&c)) fields.insert(data->Order);
  }
  std::multiset<int> expected = {0, 1, 2, 3};
  for (int order = 10; order <= kCoverSheet4LastField; ++order) expected.insert(order);
  EXPECT_EQ(fields, expected);
}

TEST_F(Overview, AppraisalIsAFourthPageOnlyWhenItHasInputs) {
  EXPECT_EQ(Job()->PageCount(), 3);  // defaults: the three pages of old
  fDaten.Economics.UsefulLife = 6;
  EXPECT_EQ(Job()->PageCount(), 4);
  fDaten.Economics.UsefulLife = 5;
  SetEconomics();
  const auto job = Job();
  ASSERT_EQ(job->PageCount(), 4);
  const auto* sheet = dynamic_cast<tTaviDeckblatt4*>(job->FindPrintingPage(4));
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->LayoutFileName(), QStringLiteral("BLATT4.CFM"));
  const std::vector<tPageText> texts = Texts(*job, 4);
  EXPECT_TRUE(Has(texts, QStringLiteral("Seite 4 / 4")));
  EXPECT_TRUE(Has(texts, QStringLiteral("Wirtschaftlichkeitsrechnung")));
  for (const tPageText& t : texts) EXPECT_FALSE(t.Text.contains(QStringLiteral("OnData"))) << t.Text.toStdString();
  for (int order = 0; order <= kCoverSheet4LastField; ++order) {
    if (const std::optional<std::string> text = CoverSheet4Text(order, sheet->Economics())) {
      EXPECT_TRUE(Has(texts, QString::fromStdString(*text))) << order << " " << *text;
    }
  }
  EXPECT_TRUE(Has(texts, QStringLiteral("631.74 %")));
  EXPECT_TRUE(Has(texts, QStringLiteral("\u00FCber 1000 %")));
  // The other pages are those of old.
  EXPECT_TRUE(Has(Texts(*job, 3), QStringLiteral("Seite 3 / 4")));
  EXPECT_TRUE(fMessages.isEmpty()) << fMessages.join(u'|').toStdString();

  // The page alone, as tavi-report economics prints it.
  const auto alone = Job(tOverviewSheets::EconomicsOnly);
  ASSERT_EQ(alone->PageCount(), 1);
  EXPECT_EQ(alone->ReportTitle, QStringLiteral("Wirtschaftlichkeitsrechnung"));
  const std::vector<tPageText> page = Texts(*alone, 1);
  EXPECT_TRUE(Has(page, QStringLiteral("Seite 1 / 1")));
  EXPECT_TRUE(Has(page, QStringLiteral("631.74 %")));
}

// ------------------------------------------------------------ failures

TEST_F(Overview, MissingSheetKeepsItsHeaderAndIsReportedOnce) {
  ASSERT_TRUE(QFile::remove(fDir.File(QStringLiteral("BLATT2.CFM"))));
  const auto job = Job();
  EXPECT_EQ(job->PageCount(), 3);
  const std::vector<tPageText> page2 = Texts(*job, 2);
  Texts(*job, 2);  // recorded again: no second message
  EXPECT_TRUE(Has(page2, QStringLiteral("Seite 2 / 3")));
  EXPECT_TRUE(Has(page2, QStringLiteral("Gesamtübersicht")));
  EXPECT_FALSE(Has(page2, QStringLiteral("   50")));
  EXPECT_EQ(fMessages, QStringList{kPreparation + QStringLiteral("Fehler (-1) beim Laden des Formular \"BLATT2.CFM\".")});
  // The other pages are complete.
  EXPECT_TRUE(Has(Texts(*job, 1), QStringLiteral("  120")));
  EXPECT_TRUE(Has(Texts(*job, 3), QStringLiteral("  0.39")));
  EXPECT_EQ(fMessages.size(), 1);
}

TEST_F(Overview, DamagedOrEmptySheetsAreReportedNotDrawn) {
  const QString file = fDir.File(QStringLiteral("BLATT1.CFM"));
  auto write = [&file](const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  };
  QFile original(kBin + QStringLiteral("/BLATT1.CFM"));
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  const QByteArray bytes = original.readAll();

  const struct {
    QByteArray bytes;
    QString reason;
  } cases[] = {
      {bytes.left(bytes.size() / 2), QStringLiteral("Fehler (-3) beim Laden des Formular \"BLATT1.CFM\".")},
      // An unknown class: the stream's message joins the page's one.
      {QByteArray("\x39\x30", 2) + bytes.mid(2),
       QStringLiteral("Fehler (-5) beim Laden des Formular \"BLATT1.CFM\".\nGet mit nicht registriertem Object "
                      "(ID:12345)!")},
      // A list without commands: nothing would be drawn, silently.
      {QByteArray("\xC1\x5D\x00\x00\x0A\x00\x0A\x00\x00\x00\x00\x00\x00\x00", 14),
       QStringLiteral("Das Formular \"BLATT1.CFM\" enthält keine Felder.")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason.toStdString());
    write(c.bytes);
    fMessages.clear();
    const auto job = Job();
    const std::vector<tPageText> texts = Texts(*job, 1);
    EXPECT_TRUE(Has(texts, QStringLiteral("Seite 1 / 3")));
    EXPECT_FALSE(Has(texts, QStringLiteral("  120")));
    EXPECT_EQ(fMessages, QStringList{kPreparation + c.reason});
  }
}

// ------------------------------------------------------ on paper and PDF

QString UniqueTitle() {
  static int counter = 0;
  return QStringLiteral("TAVI_Gesamt_%1_%2").arg(::getpid()).arg(++counter);
}

void ExpectOverview(const tPdfFacts& pdf, int pages = 3) {
  EXPECT_EQ(pdf.pages, pages);
  EXPECT_NEAR(pdf.widthPt, 595, 1);
  EXPECT_NEAR(pdf.heightPt, 842, 1);
  EXPECT_FALSE(pdf.text.contains(QStringLiteral("OnData")));
  const char* expected[3][6] = {
      {"Grunddaten und Einsparungen", "45000", "3562", "42750", "Seite 1 / 3", "Muster GmbH"},
      {"Einsparungspotentiale", "5480", "2.9", "62020", "Standardtexten", "Seite 2 / 3"},
      {"Planzeitsystem", "100870", "0.39", "38850", "QUANTORIX", "Seite 3 / 3"},
  };
  for (int n = 0; n < 3; ++n)
    for (const char* text : expected[n]) {
      QString wanted = QString::fromUtf8(text);
      if (pages == 4) wanted.replace(QStringLiteral(" / 3"), QStringLiteral(" / 4"));
      EXPECT_TRUE(pdf.pageTexts.value(n).contains(wanted)) << n + 1 << " " << text;
    }
  if (pages == 4) {
    for (const char* text : {"Wirtschaftlichkeitsrechnung", "Kapitalwert", "86685", "631.74 %", "über 1000 %",
                             "Seite 4 / 4"}) {
      EXPECT_TRUE(pdf.pageTexts.value(3).contains(QString::fromUtf8(text))) << text;
    }
  }
}

TEST_F(Overview, ReachesTheQueueAndThePdfFile) {
  if (gCups) {
    const auto job = Job();
    Printer().SetPrinterName(tCupsFixture::PdfQueue());
    job->JobTitle = UniqueTitle();
    Printer().SetTitle(job->JobTitle);
    EXPECT_TRUE(job->PrintAll());
    QString error;
    const QString file = tCupsFixture::WaitForPdf(job->JobTitle, 60000, &error);
    ASSERT_FALSE(file.isEmpty()) << qPrintable(error);
    SCOPED_TRACE("queue");
    ExpectOverview(InspectPdf(file));
    QFile::remove(file);
    Printer().SetPrinterName(tExtendedPrinter::PdfDestinationName());
  }
  const auto job = Job();
  EXPECT_TRUE(job->PrintAll());
  ExpectOverview(InspectPdf(OutputPdf()));
  EXPECT_TRUE(fMessages.isEmpty());
}

TEST_F(Overview, FourPagesReachTheQueueAndThePdfFile) {
  SetEconomics();
  if (gCups) {
    const auto job = Job();
    Printer().SetPrinterName(tCupsFixture::PdfQueue());
    job->JobTitle = UniqueTitle();
    Printer().SetTitle(job->JobTitle);
    EXPECT_TRUE(job->PrintAll());
    QString error;
    const QString file = tCupsFixture::WaitForPdf(job->JobTitle, 60000, &error);
    ASSERT_FALSE(file.isEmpty()) << qPrintable(error);
    SCOPED_TRACE("queue");
    ExpectOverview(InspectPdf(file), 4);
    QFile::remove(file);
    Printer().SetPrinterName(tExtendedPrinter::PdfDestinationName());
  }
  const auto job = Job();
  EXPECT_TRUE(job->PrintAll());
  ExpectOverview(InspectPdf(OutputPdf()), 4);
  EXPECT_TRUE(fMessages.isEmpty());
}

}  // namespace

int main(int argc, char** argv) {
  return RunTestsWithCups(argc, argv, QStringLiteral(TAVI_PRINT_TEST_DIR "/tavi-rand.ppd"), true, gCups, gNoCups);
}
