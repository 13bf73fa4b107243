// The payback dialog's ways out: "Kopieren" puts the results page on the
// clipboard as cells and as an HTML table, "Als Arbeitsmappe speichern…"
// writes the workbook or says why it cannot.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "dlgamortisation.h"
#include "modaldriver.h"
#include "numfmt.h"
#include "tavidaten.h"
#include "workedexample.h"

TEST(AmortisationExport, CopyPutsTheResultsPageAsCellsAndAsAnHtmlTable) {
  SetDecimalSeparator(",");
  tTaviDaten daten = WorkedExample();
  tDlgAmortisation dlg(daten);
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  EXPECT_FALSE(dlg.ActionCopy()->isEnabled());  // the page "Systemauswahl" is no table
  dlg.ActionResults()->trigger();
  ASSERT_TRUE(dlg.ActionCopy()->isEnabled());
  QApplication::clipboard()->clear();
  dlg.findChild<QTabWidget*>(QStringLiteral("PageControl"))->tabBar()->setFocus();
  QTest::keyClick(&dlg, Qt::Key_C, Qt::ControlModifier);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  const QStringList lines = data->text().split(u'\n', Qt::SkipEmptyParts);
  // Every row as the page shows it: caption, value, unit (balances beside).
  const QStringList expected = {
      QStringLiteral("Beginn der Reduzierung von Zeitstudien nach\t1\tMonate(n)"),
      QStringLiteral("Aufbau des Katalogs in\t23\tMonate(n)"),
      QStringLiteral("Monatliche Aufwandsreduzierung"),
      QStringLiteral("Zeitstudienanteil\t3,91\t%"),
      QStringLiteral("Anzahl Zeitstudien\t0,39"),
      QStringLiteral("Zeitstudiensystem - Manuelle Datenermittlung"),
      QStringLiteral("Gesamtkosten\t5480\t€\tnach 1 Jahr\t17020\t€"),
      QStringLiteral("Einsparung / Jahr\t22500\t€\tnach 2 Jahren\t39520\t€"),
      QStringLiteral("Armortisationszeit\t2,9\tMonate\tnach 3 Jahren\t62020\t€"),
      QStringLiteral("Zeitstudien+Planzeitsystem - Manuelle Datenermittlung"),
  };
  ASSERT_GE(lines.size(), expected.size() + 8);
  for (qsizetype i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
  EXPECT_TRUE(data->html().contains(
      QStringLiteral("<tr><td>Gesamtkosten</td><td>5480</td><td>€</td><td>nach 1 Jahr</td><td>17020</td><td>€</td></tr>")));
  EXPECT_EQ(data->html().count(QStringLiteral("<tr>")), lines.size());
  SetDecimalSeparator(".");
}

TEST(AmortisationExport, WorkbookIsWrittenOrTheReasonShown) {
  tTaviDaten daten = WorkedExample();
  tDlgAmortisation dlg(daten);
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("mappe.xlsx"));
  EXPECT_TRUE(dlg.SaveWorkbookTo(file));
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.read(4) == QByteArray("PK\x03\x04", 4));

  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK"));
  const QString missing = dir.filePath(QStringLiteral("fehlt/mappe.xlsx"));
  EXPECT_FALSE(dlg.SaveWorkbookTo(missing));
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_TRUE(driver.Seen()[0].Text.startsWith(QStringLiteral("Fehler beim Speichern der Arbeitsmappe.")));
  EXPECT_TRUE(driver.Seen()[0].Text.contains(QStringLiteral("Den Ordner gibt es nicht"))) << driver.Seen()[0].Text.toStdString();
  EXPECT_FALSE(QFile::exists(missing));
}
