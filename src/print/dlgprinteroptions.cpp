#include "dlgprinteroptions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "dlgprintersetup.h"
#include "help.h"
#include "printer.h"
#include "radiogroup.h"
#include "returnkey.h"
#include "tabstops.h"

namespace {

// What the PDF destination offers, and what a printer that names no sizes
// of its own is taken to have.
const QPageSize::PageSizeId kCommonSizes[] = {QPageSize::A3, QPageSize::A4, QPageSize::A5,
                                              QPageSize::B5, QPageSize::Letter, QPageSize::Legal};

}  // namespace

QList<QPageSize> tDlgPrinterOptions::PaperSizesOf(const QString& printerName) {
  QList<QPageSize> sizes;
  if (printerName != tExtendedPrinter::PdfDestinationName()) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (!info.isNull()) sizes = info.supportedPageSizes();
  }
  if (sizes.isEmpty())
    for (const QPageSize::PageSizeId id : kCommonSizes) sizes << QPageSize(id);
  return sizes;
}

QString tDlgPrinterOptions::PaperText(const QPageSize& size) {
  const QSizeF mm = size.size(QPageSize::Millimeter);
  const QString name = size.id() == QPageSize::Custom ? QStringLiteral("Benutzerdefiniert") : size.name();
  return QStringLiteral("%1 (%2 × %3 mm)").arg(name).arg(qRound(mm.width())).arg(qRound(mm.height()));
}

tDlgPrinterOptions::tDlgPrinterOptions(tExtendedPrinter& printer, QWidget* parent)
    : QDialog(parent), fPrinter(printer) {
  setObjectName(QStringLiteral("DlgPrinterOptions"));
  setWindowTitle(QStringLiteral("Druckereinstellungen"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  InstallHelpKey(this, tDlgPrinterSetup::HelpContext);

  // A group holding one labelled choice.
  const auto choiceGroup = [this](const QString& name, const QString& title, const QString& boxName,
                                  const QString& label) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(name);
    auto* box = new QComboBox(group);
    box->setObjectName(boxName);
    auto* caption = new QLabel(label, group);
    caption->setBuddy(box);
    (new QFormLayout(group))->addRow(caption, box);
    return std::pair{group, box};
  };
  auto [printerGroup, printerBox] = choiceGroup(QStringLiteral("GBoxPrinter"), QStringLiteral(" Drucker "),
                                                QStringLiteral("CBoxPrinter"), QStringLiteral("&Name:"));
  fPrinterBox = printerBox;
  fPrinterBox->addItems(printer.Printers());
  fPrinterBox->setCurrentIndex(std::max(0, printer.PrinterIndex()));
  auto [paperGroup, paperBox] = choiceGroup(QStringLiteral("GBoxPaper"), QStringLiteral(" Papier "),
                                            QStringLiteral("CBoxPaper"), QStringLiteral("&Größe:"));
  fPaperBox = paperBox;

  auto* orientationGroup = new QGroupBox(QStringLiteral(" Ausrichtung "), this);
  orientationGroup->setObjectName(QStringLiteral("GBoxOrientation"));
  fPortrait = new QRadioButton(QStringLiteral("&Hochformat"), orientationGroup);
  fPortrait->setObjectName(QStringLiteral("RBtnPortrait"));
  fLandscape = new QRadioButton(QStringLiteral("&Querformat"), orientationGroup);
  fLandscape->setObjectName(QStringLiteral("RBtnLandscape"));
  (printer.IsLandscape() ? fLandscape : fPortrait)->setChecked(true);
  auto* orientationLayout = new QHBoxLayout(orientationGroup);
  orientationLayout->addWidget(fPortrait);
  orientationLayout->addWidget(fLandscape);
  orientationLayout->addStretch(1);
  new tRadioGroup({fPortrait, fLandscape}, this);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("BtnOk"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setObjectName(QStringLiteral("BtnCancel"));
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(printerGroup);
  layout->addWidget(paperGroup);
  layout->addWidget(orientationGroup);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // a dialog border, nothing to resize
  setMinimumWidth(360);

  FillPapers(printer.QtPrinter().pageLayout().pageSize());
  connect(fPrinterBox, &QComboBox::currentIndexChanged, this, [this] { FillPapers(ChosenPaper()); });
  fTabStops = new tTabStops(this, {fPrinterBox, fPaperBox, fPortrait, fLandscape, ok, cancel});
  ClickOnReturnIn(this);
}

void tDlgPrinterOptions::FillPapers(const QPageSize& keep) {
  QList<QPageSize> sizes = PaperSizesOf(ChosenPrinter());
  int selected = -1;
  for (int i = 0; i < sizes.size(); ++i)
    if (sizes[i].isEquivalentTo(keep)) selected = i;
  if (selected < 0 && keep.isValid() && ChosenPrinter() == fPrinter.PrinterName()) {
    sizes.prepend(keep);  // the printer's own, though it does not list it
    selected = 0;
  }
  if (selected < 0)
    for (int i = 0; i < sizes.size(); ++i)
      if (sizes[i].id() == QPageSize::A4) selected = i;
  fPaperBox->clear();
  for (const QPageSize& size : sizes) fPaperBox->addItem(PaperText(size), QVariant::fromValue(size));
  fPaperBox->setCurrentIndex(std::max(0, selected));
}

QString tDlgPrinterOptions::ChosenPrinter() const { return fPrinterBox->currentText(); }

QPageSize tDlgPrinterOptions::ChosenPaper() const { return fPaperBox->currentData().value<QPageSize>(); }

bool tDlgPrinterOptions::ChosenLandscape() const { return fLandscape->isChecked(); }

void tDlgPrinterOptions::Apply() {
  if (ChosenPrinter() != fPrinter.PrinterName()) fPrinter.SetPrinterName(ChosenPrinter());
  const QPageSize paper = ChosenPaper();
  if (paper.isValid() && !paper.isEquivalentTo(fPrinter.QtPrinter().pageLayout().pageSize()))
    fPrinter.SetPaperSize(paper);
  if (ChosenLandscape() != fPrinter.IsLandscape()) fPrinter.SetOrientation(ChosenLandscape());
}

bool tDlgPrinterOptions::focusNextPrevChild(bool next) {
  if (fTabStops && fTabStops->Move(next)) return true;
  return QDialog::focusNextPrevChild(next);
}
