#include "dlgcompare.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <exception>

#include "calcfile.h"
#include "compareprinting.h"
#include "edevexception.h"
#include "msgdlg.h"
#include "onscreen.h"
#include "pricetable.h"
#include "tavidaten.h"

namespace {

const QColor kBest(205, 240, 205);
const QColor kSection(230, 230, 230);

QString Native(const QString& file) { return QDir::toNativeSeparators(file); }

// The table's lines: company, file, then per section a heading and its rows
// (row index; -1 for a heading, -2 company, -3 file).
struct tLine {
  QString caption;
  int row;
};
std::vector<tLine> Lines() {
  std::vector<tLine> lines = {{QStringLiteral("Firma"), -2}, {QStringLiteral("Datei"), -3}};
  QString last;
  const auto& rows = CompareRows();
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const QString section = QString::fromUtf8(rows[i].section);
    if (section != last) lines.push_back({section, -1});
    last = section;
    lines.push_back({QString::fromUtf8(rows[i].caption), i});
  }
  return lines;
}

}  // namespace

tDlgCompare::tDlgCompare(const tTaviDaten& current, const QString& currentName, const QString& currentFile,
                         QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("tDlgCompare"));
  setWindowTitle(QStringLiteral("Berechnungen vergleichen"));
  fInfo = QStringLiteral("Bearbeitet von ") + QString::fromStdString(current.GetAnwendername());
  fColumns.push_back(CompareColumn(current, currentName.toStdString()));
  fFiles << currentFile;

  fTable = new QTableWidget(this);
  fTable->setObjectName(QStringLiteral("TabelleVergleich"));
  fTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fTable->setSelectionBehavior(QAbstractItemView::SelectColumns);
  fTable->verticalHeader()->hide();
  fTable->horizontalHeader()->hide();

  const auto button = [this](const char* name, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* add = button("BtnHinzufuegen", QStringLiteral("&Hinzufügen…"));
  fBtnRemove = button("BtnEntfernen", QStringLiteral("&Entfernen"));
  QPushButton* copy = button("BtnKopieren", QStringLiteral("&Kopieren"));
  fBtnPrint = button("BtnDrucken", QStringLiteral("&Drucken"));
  QPushButton* close = button("BtnSchliessen", QStringLiteral("&Schließen"));
  connect(add, &QPushButton::clicked, this, &tDlgCompare::ActionAddExecute);
  connect(fBtnRemove, &QPushButton::clicked, this, &tDlgCompare::ActionRemoveExecute);
  connect(copy, &QPushButton::clicked, this, &tDlgCompare::ActionCopyExecute);
  connect(fBtnPrint, &QPushButton::clicked, this, &tDlgCompare::ActionPrintExecute);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* copyKey = new QAction(this);
  copyKey->setShortcut(QKeySequence::Copy);
  connect(copyKey, &QAction::triggered, this, &tDlgCompare::ActionCopyExecute);
  addAction(copyKey);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {add, fBtnRemove, copy, fBtnPrint}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* hint = new QLabel(QStringLiteral("Mit \"Hinzufügen…\" kommen bis zu drei Berechnungsdateien neben die "
                                         "geöffnete Berechnung; der beste Wert jeder Zeile ist fett und grün "
                                         "hinterlegt."),
                          this);
  hint->setObjectName(QStringLiteral("LblHinweis"));
  hint->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  layout->addWidget(fTable, 1);
  layout->addLayout(buttons);
  Fill();
  // As large as the table wants, within the screen.
  resize(FitOnScreen(this, QSize(860, 640)));
}

bool tDlgCompare::AddFile(const QString& file) {
  const QString absolute = QFileInfo(file).absoluteFilePath();
  if (static_cast<int>(fColumns.size()) >= kMaxCompared) {
    ShowError(QStringLiteral("Es lassen sich höchstens %1 Berechnungen vergleichen.").arg(kMaxCompared));
    return false;
  }
  for (const QString& f : fFiles)
    if (!f.isEmpty() && QFileInfo(f).canonicalFilePath() == QFileInfo(absolute).canonicalFilePath()) {
      ShowError(QStringLiteral("Die Datei \"%1\" ist bereits im Vergleich.").arg(Native(absolute)));
      return false;
    }
  tTaviDaten record;
  const tCalcFileLoad load = LoadCalculationFile(QFile::encodeName(absolute).toStdString(), record);
  if (!load) {
    ShowError(QString::fromStdString(CalcFileErrorText(load, Native(absolute).toStdString())));
    return false;
  }
  if (const std::string unknown = UnknownOptionMessage(record); !unknown.empty()) {
    ShowError(QStringLiteral("In der Datei \"%1\": %2").arg(Native(absolute), QString::fromStdString(unknown)));
    return false;
  }
  fColumns.push_back(CompareColumn(record, QFileInfo(absolute).fileName().toStdString()));
  fFiles << absolute;
  Fill();
  return true;
}

void tDlgCompare::RemoveColumn(int column) {
  if (column < 1 || column >= static_cast<int>(fColumns.size())) return;
  fColumns.erase(fColumns.begin() + column);
  fFiles.removeAt(column);
  Fill();
}

void tDlgCompare::Fill() {
  const std::vector<tLine> lines = Lines();
  const int n = static_cast<int>(fColumns.size());
  fTable->clear();
  fTable->setRowCount(static_cast<int>(lines.size()));
  fTable->setColumnCount(n + 1);
  const auto& rows = CompareRows();
  QFont bold = fTable->font();
  bold.setBold(true);
  for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
    const tLine& line = lines[static_cast<size_t>(r)];
    auto* caption = new QTableWidgetItem(line.caption);
    if (line.row < 0) caption->setFont(bold);
    if (line.row == -1) caption->setBackground(kSection);
    fTable->setItem(r, 0, caption);
    std::vector<tCompareCell> cells;
    if (line.row >= 0)
      for (const tCompareColumn& c : fColumns) cells.push_back(c.cells[static_cast<size_t>(line.row)]);
    const std::vector<bool> best =
        line.row >= 0 ? BestCells(rows[static_cast<size_t>(line.row)], cells) : std::vector<bool>(n, false);
    for (int c = 0; c < n; ++c) {
      QString text;
      if (line.row == -2) text = QString::fromStdString(fColumns[static_cast<size_t>(c)].company);
      if (line.row == -3) text = QString::fromStdString(fColumns[static_cast<size_t>(c)].file);
      if (line.row >= 0)
        text = QString::fromStdString(CompareCellText(rows[static_cast<size_t>(line.row)], cells[static_cast<size_t>(c)]));
      auto* item = new QTableWidgetItem(text);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (line.row == -1) item->setBackground(kSection);
      if (line.row == -2 || best[static_cast<size_t>(c)]) item->setFont(bold);
      if (best[static_cast<size_t>(c)]) {
        item->setBackground(kBest);
        item->setToolTip(QStringLiteral("bester Wert"));
      }
      fTable->setItem(r, c + 1, item);
    }
  }
  fTable->resizeColumnsToContents();
  fTable->resizeRowsToContents();
  fBtnRemove->setEnabled(n > 1);
  fBtnPrint->setEnabled(n > 1);
}

QMimeData* tDlgCompare::TableMimeData() const {
  QString text;
  QString html = QStringLiteral("<table>");
  for (int r = 0; r < fTable->rowCount(); ++r) {
    QStringList cells;
    html += QStringLiteral("<tr>");
    for (int c = 0; c < fTable->columnCount(); ++c) {
      const QTableWidgetItem* item = fTable->item(r, c);
      const QString cell = item ? item->text() : QString();
      cells << cell;
      const bool bold = item && item->font().bold();
      html += QStringLiteral("<td>%1%2%3</td>")
                  .arg(bold ? QStringLiteral("<b>") : QString(), cell.toHtmlEscaped(),
                       bold ? QStringLiteral("</b>") : QString());
    }
    html += QStringLiteral("</tr>");
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  html += QStringLiteral("</table>");
  auto* data = new QMimeData;
  data->setText(text);
  data->setHtml(html);
  return data;
}

void tDlgCompare::ActionAddExecute() {
  QStringList files;
  if (fChooser) {
    files = fChooser();
  } else {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    files = QFileDialog::getOpenFileNames(this, QStringLiteral("Berechnungen hinzufügen"),
                                          documents.isEmpty() ? QDir::homePath() : documents,
                                          QStringLiteral("TAVI-Berechnungen (*.tavi);;Alle Dateien (*)"), nullptr,
                                          QFileDialog::DontUseNativeDialog);
  }
  for (const QString& file : files)
    if (!AddFile(file)) break;
}

void tDlgCompare::ActionRemoveExecute() {
  const int column = fTable->currentColumn() - 1;
  RemoveColumn(column >= 1 ? column : static_cast<int>(fColumns.size()) - 1);
}

void tDlgCompare::ActionCopyExecute() { QApplication::clipboard()->setMimeData(TableMimeData()); }

void tDlgCompare::ActionPrintExecute() {
  try {
    tComparePrinting job(fColumns, fInfo);
    job.Preview();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\r") + ExceptionMessage(e));
  }
}
