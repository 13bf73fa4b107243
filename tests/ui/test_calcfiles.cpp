// The main window's calculation files on real files in a temporary program
// folder: save as and open, the title and its change mark, the questions
// before changes are lost, bad files that leave the open calculation as it
// was, a file changed by another program, the recent files, and the
// comparison dialog.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTableWidget>
#include <QtTest/QTest>
#include <memory>

#include "dlgcompare.h"
#include "dlgmain.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "numfield.h"
#include "objstream.h"
#include "tavidaten.h"
#include "uitest.h"

namespace {

QByteArray Bytes(const tTaviDaten& d) {
  tObjMemoryStream stream;
  d.StoreDataFile(stream);
  return QByteArray::fromStdString(stream.Bytes());
}

class CalcFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTerminating(false);
    ASSERT_TRUE(PrepareProgramDir(fDir));
  }
  void TearDown() override {
    if (fWindow) {
      tModalDriver driver;  // answers what closing asks
      driver.ThenClick(QStringLiteral("Nein"));
      fWindow->close();
      fWindow.reset();
    }
    SetTerminating(false);
  }
  tDlgMain& Open(const QString& startFile = QString()) {
    fWindow = std::make_unique<tDlgMain>(fDir.Path(), startFile);
    fWindow->SetFileChooser([this](bool, const QString&) { return fChosen; });
    EXPECT_TRUE(ShowActive(fWindow.get()));
    return *fWindow;
  }
  void Enter(const char* name, const QString& text) {
    auto* field = Ctl<tNumField>(fWindow.get(), QLatin1String(name));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
  }
  // A calculation file as another run of the program left it.
  QString Calculation(const QString& name, int studies, int running = 0) {
    tTaviDaten d;
    d.SetFirmenname(name.toStdString());
    d.AnzZS = studies;
    d.DauerZS = 8;
    d.Stundensatz = 60;
    d.AnteilVorb = 30;
    d.AnteilDurchf = 40;
    d.Economics.RunningCostsZS = running;
    const QString file = fDir.File(name);
    EXPECT_TRUE(d.SaveToFile(QFile::encodeName(file).toStdString()));
    return file;
  }
  QString Title() const { return fWindow->windowTitle(); }

  tTempDir fDir;
  std::unique_ptr<tDlgMain> fWindow;
  QString fChosen;
};

TEST_F(CalcFilesTest, SaveAsThenOpenGivesTheSameBytesAndTitles) {
  tModalDriver driver;
  Open();
  EXPECT_EQ(Title(), QStringLiteral("MORLAK-Amortisationsrechnung"));
  Enter("AnzZS_Feld", QStringLiteral("250"));
  EXPECT_EQ(Title(), QStringLiteral("*MORLAK-Amortisationsrechnung"));
  fWindow->Daten().Economics.RunningCostsPL = 2400;  // as the payback dialog would set it

  fChosen = fDir.File("Angebot.tavi");
  ASSERT_TRUE(fWindow->ActionSaveAsExecute());
  EXPECT_EQ(Title(), QStringLiteral("Angebot.tavi - MORLAK-Amortisationsrechnung"));
  const QByteArray saved = fDir.Read("Angebot.tavi");
  EXPECT_EQ(saved, Bytes(fWindow->Daten()));
  EXPECT_GT(saved.size(), 1828);  // the extension block came along

  fWindow->ActionNewExecute();  // nothing to lose: no question
  EXPECT_EQ(Title(), QStringLiteral("Unbenannt - MORLAK-Amortisationsrechnung"));
  EXPECT_EQ(fWindow->Daten().AnzZS, 0);
  ASSERT_TRUE(fWindow->OpenCalculation(fDir.File("Angebot.tavi")));
  EXPECT_EQ(Bytes(fWindow->Daten()), saved);
  EXPECT_EQ(Ctl<tNumField>(fWindow.get(), QStringLiteral("AnzZS_Feld"))->text(), QStringLiteral("250"));
  EXPECT_FALSE(fWindow->CalculationModified());
  EXPECT_EQ(fWindow->RecentFiles().Files(), QStringList{fDir.File("Angebot.tavi")});
  EXPECT_TRUE(driver.Seen().isEmpty());
  // TAVI.DAT was never written: the user chose another file.
  EXPECT_FALSE(fDir.Exists("TAVI.DAT"));
}

TEST_F(CalcFilesTest, ChangesAreAskedForBeforeTheyAreLost) {
  const QString other = Calculation("Werk2.tavi", 500);
  Open();
  Enter("AnzZS_Feld", QStringLiteral("77"));
  {
    tModalDriver driver;
    driver.ThenClick(QStringLiteral("Abbrechen"));
    EXPECT_FALSE(fWindow->OpenCalculation(other));
    ASSERT_EQ(driver.Seen().size(), 1);
    EXPECT_EQ(driver.Seen()[0].Text, QStringLiteral("Änderungen an \"TAVI.DAT\" speichern?"));
    EXPECT_EQ(fWindow->Daten().AnzZS, 77);
  }
  {
    tModalDriver driver;
    driver.ThenClick(QStringLiteral("Ja"));  // saves TAVI.DAT, then opens
    EXPECT_TRUE(fWindow->OpenCalculation(other));
    EXPECT_EQ(fWindow->Daten().AnzZS, 500);
  }
  tTaviDaten dat;
  ASSERT_TRUE(dat.LoadFromFile(QFile::encodeName(fDir.File("TAVI.DAT")).toStdString()));
  EXPECT_EQ(dat.AnzZS, 77);
  // A new calculation changed and closed: "Nein" writes nothing.
  {
    tModalDriver driver;
    fWindow->ActionNewExecute();
    Enter("AnzZS_Feld", QStringLiteral("5"));
    driver.ThenClick(QStringLiteral("Nein"));
    fWindow->close();
    fWindow.reset();
    EXPECT_EQ(driver.Seen().size(), 1);
  }
  EXPECT_EQ(fDir.Read("Werk2.tavi"), [&] {
    tTaviDaten d;
    d.LoadFromFile(QFile::encodeName(other).toStdString());
    return Bytes(d);
  }());
}

TEST_F(CalcFilesTest, BadFilesLeaveTheOpenCalculationAsItWas) {
  ASSERT_TRUE(fDir.Write("kurz.tavi", QByteArray("\x05" "abc", 4)));
  ASSERT_TRUE(fDir.Write("fremd.tavi", QByteArray("%PDF-1.4\n") + QByteArray(4000, 'x')));
  ASSERT_TRUE(fDir.MakeDir("ordner.tavi"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fDir.File("fifo.tavi")).constData(), 0600), 0);
  Open();
  Enter("AnzZS_Feld", QStringLiteral("321"));
  const QByteArray before = Bytes(fWindow->Daten());
  const QString title = Title();
  for (const char* name : {"kurz.tavi", "fremd.tavi", "ordner.tavi", "fifo.tavi", "fehlt.tavi"}) {
    tModalDriver driver;
    driver.ThenClick(QStringLiteral("Nein"));  // the changes: not saved
    driver.ThenClick(QStringLiteral("OK"));    // the message
    EXPECT_FALSE(fWindow->OpenCalculation(fDir.File(QLatin1String(name)))) << name;
    ASSERT_EQ(driver.Seen().size(), 2) << name;
    EXPECT_TRUE(driver.Seen()[1].Text.contains(QLatin1String(name))) << driver.Seen()[1].Text.toStdString();
    EXPECT_EQ(Bytes(fWindow->Daten()), before) << name;
    EXPECT_EQ(Title(), title) << name;
    EXPECT_EQ(fWindow->DataFileName(), fDir.File("TAVI.DAT")) << name;
  }
}

TEST_F(CalcFilesTest, FileChangedByAnotherProgramIsNotOverwrittenWithoutAsking) {
  const QString file = Calculation("Werk.tavi", 100);
  Open(file);
  EXPECT_EQ(Title(), QStringLiteral("Werk.tavi - MORLAK-Amortisationsrechnung"));
  Enter("AnzZS_Feld", QStringLiteral("200"));
  const QString changed = Calculation("Werk.tavi", 999);  // another program writes it
  const QByteArray theirs = fDir.Read("Werk.tavi");
  {
    tModalDriver driver;
    driver.ThenClick(QStringLiteral("Nein"));
    EXPECT_FALSE(fWindow->ActionSaveExecute());
    ASSERT_EQ(driver.Seen().size(), 1);
    EXPECT_TRUE(driver.Seen()[0].Text.contains(QStringLiteral("von einem anderen Programm geändert")));
  }
  EXPECT_EQ(fDir.Read("Werk.tavi"), theirs);
  {
    tModalDriver driver;
    driver.ThenClick(QStringLiteral("Ja"));
    EXPECT_TRUE(fWindow->ActionSaveExecute());
  }
  tTaviDaten saved;
  ASSERT_TRUE(saved.LoadFromFile(QFile::encodeName(changed).toStdString()));
  EXPECT_EQ(saved.AnzZS, 200);
  EXPECT_EQ(Title(), QStringLiteral("Werk.tavi - MORLAK-Amortisationsrechnung"));
}

TEST_F(CalcFilesTest, ComparisonShowsColumnsMarksTheBestAndCopies) {
  const QString big = Calculation("Gross.tavi", 2000);
  const QString idle = Calculation("Ohne.tavi", 0);
  Open();
  tTaviDaten current = fWindow->Daten();
  tDlgCompare dialog(current, QStringLiteral("TAVI.DAT"), fDir.File("TAVI.DAT"));
  EXPECT_TRUE(dialog.AddFile(big));
  EXPECT_TRUE(dialog.AddFile(idle));
  {
    tModalDriver driver;
    driver.ThenClick(QStringLiteral("OK"));
    EXPECT_FALSE(dialog.AddFile(big));  // already there
    EXPECT_EQ(driver.Seen().size(), 1);
  }
  ASSERT_EQ(dialog.Columns().size(), 3u);
  QTableWidget* table = dialog.Table();
  EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("Gross.tavi"));
  // The yearly saving of the large department is the best and bold.
  int row = -1;
  for (int r = 0; r < table->rowCount(); ++r)
    if (table->item(r, 0)->text() == QStringLiteral("Zeitstudiensystem - manuell")) row = r;
  ASSERT_GE(row, 0);
  EXPECT_TRUE(table->item(row, 2)->font().bold());
  EXPECT_EQ(table->item(row, 3)->text(), QStringLiteral("keine"));
  dialog.ActionCopyExecute();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  EXPECT_TRUE(data->text().contains(QStringLiteral("Datei\tTAVI.DAT\tGross.tavi\tOhne.tavi\n")));
  EXPECT_TRUE(data->html().contains(QStringLiteral("<td><b>")));
  dialog.RemoveColumn(1);
  EXPECT_EQ(dialog.Columns().size(), 2u);
}

}  // namespace
