// The payback dialog's ways out to other programs: the results page as a
// table on the clipboard, and the whole calculation as a workbook.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

#include "dlgamortisation.h"
#include "msgdlg.h"
#include "tavidaten.h"
#include "workbook.h"

namespace {

// The texts of a grid's widgets row by row (labels and entry fields, blanks
// trimmed); columns that are empty in every row are left out, and so are
// empty cells at the end of a row.
tClipboardTable GridRows(const QGridLayout* grid) {
  tClipboardTable rows(grid->rowCount(), QStringList());
  QList<bool> used(grid->columnCount(), false);
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c) {
      QString text;
      if (const QLayoutItem* item = grid->itemAtPosition(r, c); item && item->widget()) {
        if (const auto* label = qobject_cast<const QLabel*>(item->widget()))
          text = label->text().trimmed();
        else if (const auto* edit = qobject_cast<const QLineEdit*>(item->widget()))
          text = edit->text().trimmed();
      }
      text.remove(u'&');
      rows[r] << text;
      if (!text.isEmpty()) used[c] = true;
    }
  for (QStringList& row : rows) {
    for (int c = int(used.size()) - 1; c >= 0; --c)
      if (!used[c]) row.removeAt(c);
    while (!row.isEmpty() && row.last().isEmpty()) row.removeLast();
  }
  rows.removeIf([](const QStringList& row) { return row.join(QString()).isEmpty(); });
  return rows;
}

}  // namespace

tClipboardTable tDlgAmortisation::ResultsTable() const {
  tClipboardTable table;
  // The month counts stand in a grid of their own, the groups follow in
  // the page's order.
  for (const QGridLayout* grid : fSheetResults->findChildren<QGridLayout*>())
    if (grid->parentWidget() == fSheetResults) table << GridRows(grid);
  for (const QGroupBox* box : fSheetResults->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
    table << QStringList{box->title().trimmed()};
    if (const auto* grid = qobject_cast<const QGridLayout*>(box->layout())) table << GridRows(grid);
  }
  return table;
}

void tDlgAmortisation::PageChanged() {
  fActionCopy->setEnabled(fPageControl->currentWidget() == fSheetResults);
}

void tDlgAmortisation::ActionCopyExecute() {
  if (fPageControl->currentWidget() != fSheetResults) return;
  CopyTableToClipboard(ResultsTable());
}

bool tDlgAmortisation::SaveWorkbookTo(const QString& fileName) {
  StoreFields();
  Calculate();
  const int32_t years = std::max(3, fEconomics.Inputs().UsefulLife);
  const std::string problem =
      SaveWorkbook(BuildWorkbook(fDaten, fCalc, fEconomics, years), QFile::encodeName(fileName).toStdString());
  if (problem.empty()) return true;
  ShowError(QStringLiteral("Fehler beim Speichern der Arbeitsmappe.\n\r") +
            QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2.")
                .arg(QDir::toNativeSeparators(fileName), QString::fromStdString(problem)));
  return false;
}

void tDlgAmortisation::ActionSaveWorkbookExecute() {
  QFileDialog dialog(this, QStringLiteral("Als Arbeitsmappe speichern"),
                     QDir::home().filePath(QStringLiteral("Amortisationsrechnung.xlsx")),
                     QStringLiteral("Excel-Arbeitsmappen (*.xlsx)"));
  dialog.setObjectName(QStringLiteral("SaveWorkbookDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("xlsx"));
  dialog.selectFile(QStringLiteral("Amortisationsrechnung.xlsx"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  SaveWorkbookTo(dialog.selectedFiles().first());
}
