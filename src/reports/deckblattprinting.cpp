#include "deckblattprinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <array>
#include <memory>

#include "commandlist.h"
#include "deckblatt4.h"
#include "sensitivityprintpage.h"
#include "edevexception.h"
#include "msgdlg.h"
#include "objstream.h"
#include "pageframe.h"
#include "pdfname.h"
#include "printer.h"
#include "recorder.h"
#include "tavidaten.h"

namespace {

const QString kPreparationError = QStringLiteral("Fehler bei der Druckaufbereitung.\n\r");

// Collects the stream's messages while it lives.
class tStreamMessageCatcher {
 public:
  explicit tStreamMessageCatcher(QString& into)
      : fPrevious(ExchangeStreamMessageHandler([&into](const std::string& text) {
          if (!into.isEmpty()) into += u'\n';
          into += QString::fromStdString(text);
        })) {}
  ~tStreamMessageCatcher() { ExchangeStreamMessageHandler(std::move(fPrevious)); }
  tStreamMessageCatcher(const tStreamMessageCatcher&) = delete;
  tStreamMessageCatcher& operator=(const tStreamMessageCatcher&) = delete;

 private:
  StreamMessageHandler fPrevious;
};

void SetText(QString& text, const std::optional<std::string>& value) {
  if (value) text = QString::fromStdString(*value);
}

}  // namespace

// ------------------------------------------------------------------ job

tDeckBlattPrinting::tDeckBlattPrinting(const tTaviDaten& daten, const tPaybackCalc& calc, const QString& layoutDir,
                                       tPageErrorReport onError, tOverviewSheets sheets)
    : tPrintingEx(2, true),
      Daten(daten),
      Calc(calc),
      LayoutDir(layoutDir),
      Sheets(sheets),
      fOnError(std::move(onError)) {
  JobTitle = QStringLiteral("Amortisationsrechnung");
  HeaderTitle = QString::fromStdString(Daten.GetFirmenname());
  ReportTitle = sheets == tOverviewSheets::EconomicsOnly     ? QStringLiteral("Wirtschaftlichkeitsrechnung")
                : sheets == tOverviewSheets::SensitivityOnly ? QStringLiteral("Sensitivität")
                                                             : QStringLiteral("Gesamtübersicht");
  DocumentName = PdfDocumentName(ReportTitle, HeaderTitle);
  ReportInfo = QStringLiteral("Bearbeitet von ") + QString::fromStdString(Daten.GetAnwendername());
  FileName.clear();
  BuildWithTestPage();
}

void tDeckBlattPrinting::BuildPages() {
  ClearPages();
  if (Sheets == tOverviewSheets::EconomicsOnly) {
    PageNumbers.Add(1);
    AddPage(std::make_unique<tTaviDeckblatt4>(this, 1));
    return;
  }
  if (Sheets == tOverviewSheets::SensitivityOnly) {
    PageNumbers.Add(1);
    AddPage(std::make_unique<tSensitivityPrintPage>(this, 1));
    return;
  }
  PageNumbers.Add(1);
  AddPage(std::make_unique<tTaviDeckblatt1>(this, 1));
  PageNumbers.Add(2);
  AddPage(std::make_unique<tTaviDeckblatt2>(this, 2));
  PageNumbers.Add(3);
  AddPage(std::make_unique<tTaviDeckblatt3>(this, 3));
  int32_t next = 4;
  if (!Daten.Economics.IsDefault()) {
    PageNumbers.Add(next);
    AddPage(std::make_unique<tTaviDeckblatt4>(this, next++));
  }
  if (!Daten.Sensitivity.IsDefault()) {
    PageNumbers.Add(next);
    AddPage(std::make_unique<tSensitivityPrintPage>(this, next));
  }
}

void tDeckBlattPrinting::ReportError(const QString& message) const {
  if (fOnError) {
    fOnError(message);
    return;
  }
  // Not from inside a paint event: the message is a window of its own.
  if (QCoreApplication* app = QCoreApplication::instance())
    QTimer::singleShot(0, app, [message] { ShowError(message); });
  else
    ShowError(message);
}

// ---------------------------------------------------------------- pages

QString tTaviPrintingPage::LayoutFileName() const { return QStringLiteral("BLATT%1.CFM").arg(Sheet); }

tWrappedLines tTaviPrintingPage::Wrap(const std::vector<std::string>& lines) const {
  tMetaFileRecorder& recorder = fJob->Recorder;
  tFont& font = recorder.Font();
  font.Name = QStringLiteral("Arial");
  font.Height = tDeckBlattPrinting::kWrapFontHeight;
  font.Style = 0;
  QStringList wrapped;
  for (const std::string& line : lines)
    WrapText(*fJob, QString::fromStdString(line), tDeckBlattPrinting::kWrapWidth, wrapped);
  tWrappedLines result;
  result.reserve(static_cast<size_t>(wrapped.size()));
  for (const QString& line : wrapped) result.push_back(line.toStdString());
  return result;
}

void tTaviPrintingPage::Draw() {
  DrawPageHeader(*fJob, Number, -1);
  try {
    const QString name = LayoutFileName();
    std::unique_ptr<TCommandList> list;
    int status = stOk;
    QString streamMessage;  // what the stream would show of a damaged file
    {
      // A page may be recorded inside a paint event: the stream's own
      // message joins the page's one message instead of opening a window.
      tStreamMessageCatcher catcher(streamMessage);
      tObjFileStream stream(QFile::encodeName(QDir(fJob->LayoutDir).filePath(name)).toStdString(), 32);
      list = GetCommandList(stream);
      status = stream.GetStatus();
    }
    if (status != stOk || !list) {
      QString message =
          FormatIntegerArg(QStringLiteral("Fehler (%D) beim Laden des Formular \"%1\".").arg(name), status);
      if (!streamMessage.isEmpty()) message += u'\n' + streamMessage;
      throw EDevException(message, QStringLiteral("tTaviPrintingPage.Draw"));
    }
    if (list->Count() == 0)
      throw EDevException(QStringLiteral("Das Formular \"%1\" enthält keine Felder.").arg(name),
                          QStringLiteral("tTaviPrintingPage.Draw"));
    list->MoveOrigin(0, 260);
    const std::array<int32_t, 2> sizes = {fJob->Printer->UsableWidth(), fJob->Printer->PrintableHeight()};
    list->ScaleTo(2, sizes, 1);
    list->MoveOrigin(0, 260);
    list->SetDataHandler([this](const QString& field, int16_t order, QString& text) { GetData(field, order, text); });
    list->DrawAll(fJob->Recorder);
    list->SetDataHandler({});
  } catch (const std::exception& e) {
    if (!fErrorReported) {
      fErrorReported = true;
      fJob->ReportError(kPreparationError + ExceptionMessage(e));
    }
  }
}

void tTaviDeckblatt1::GetData(const QString&, int16_t order, QString& text) {
  SetText(text, CoverSheet1Text(order, DeckJob().Daten));
}

tTaviDeckblatt2::tTaviDeckblatt2(tDeckBlattPrinting* job, int32_t number) : tTaviPrintingPage(job, number) {
  const tTaviDaten& d = job->Daten;
  Lines[0] = Wrap(d.BegruendungVorbereitung.Lines());
  Lines[1] = Wrap(d.BegruendungDurchfuehrung.Lines());
  Lines[2] = Wrap(d.BegruendungAuswertung.Lines());
  Lines[3] = Wrap(d.BegruendungAnzahlZS.Lines());
}

void tTaviDeckblatt2::GetData(const QString&, int16_t order, QString& text) {
  SetText(text, CoverSheet2Text(order, DeckJob().Daten, DeckJob().Calc, Lines));
}

tTaviDeckblatt3::tTaviDeckblatt3(tDeckBlattPrinting* job, int32_t number) : tTaviPrintingPage(job, number) {
  LinesInvestition = Wrap(job->Daten.BegruendungInvestition.Lines());
}

void tTaviDeckblatt3::GetData(const QString&, int16_t order, QString& text) {
  SetText(text, CoverSheet3Text(order, DeckJob().Daten, DeckJob().Calc, LinesInvestition));
}
