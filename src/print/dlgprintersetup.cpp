#include "dlgprintersetup.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <limits>

#include "edevexception.h"
#include "help.h"
#include "langtext.h"
#include "mainfont.h"
#include "printhost.h"
#include "msgdlg.h"
#include "numfmt.h"
#include "printer.h"
#include "returnkey.h"

namespace {

constexpr int kLeft = tExtendedPrinter::sideLeft;
constexpr int kTop = tExtendedPrinter::sideTop;
constexpr int kRight = tExtendedPrinter::sideRight;
constexpr int kBottom = tExtendedPrinter::sideBottom;

int Opposite(int side) { return (side + 2) % 4; }

QString Separator() { return QString::fromStdString(DecimalSeparator()); }

// A sheet of paper with its margins drawn in: dashed margin lines, arrows
// from the paper edges to them and a few lines of text between them.
QPixmap SheetPicture(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  const int w = width - 4;
  const int h = height - 4;
  const int fold = 9;

  // Shadow and paper with a folded top right corner.
  p.fillRect(QRect(4, 4, w, h), QColor(128, 128, 128));
  QPolygon paper;
  paper << QPoint(0, 0) << QPoint(w - fold, 0) << QPoint(w - 1, fold) << QPoint(w - 1, h - 1) << QPoint(0, h - 1);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPolygon(paper);
  QPolygon corner;
  corner << QPoint(w - fold, 0) << QPoint(w - fold, fold) << QPoint(w - 1, fold);
  p.setBrush(QColor(220, 220, 220));
  p.drawPolygon(corner);

  // Margin lines.
  const int ml = w * 16 / 100, mr = w - 1 - w * 10 / 100;
  const int mt = h * 14 / 100, mb = h - 1 - h * 14 / 100;
  p.setPen(QPen(QColor(0, 70, 200), 1, Qt::DashLine));
  p.drawLine(ml, 1, ml, h - 2);
  p.drawLine(mr, 1, mr, h - 2);
  p.drawLine(1, mt, w - 2, mt);
  p.drawLine(1, mb, w - 2, mb);

  // Text between the margins.
  p.setPen(QPen(QColor(150, 150, 150), 1));
  int line = 0;
  for (int y = mt + 5; y < mb - 3; y += 5, ++line) {
    const int end = (line % 4 == 3) ? ml + (mr - ml) * 3 / 5 : mr - 3;
    if (line % 7 == 6) continue;  // paragraph gap
    p.drawLine(ml + 3, y, end, y);
  }

  // Arrows from the paper edges to the margin lines.
  p.setPen(QPen(QColor(190, 0, 0), 1));
  p.setBrush(QColor(190, 0, 0));
  auto arrowHead = [&p](QPoint tip, int dx, int dy) {
    QPolygon head;
    head << tip << QPoint(tip.x() - 3 * dx + 2 * dy, tip.y() - 3 * dy + 2 * dx)
         << QPoint(tip.x() - 3 * dx - 2 * dy, tip.y() - 3 * dy - 2 * dx);
    p.drawPolygon(head);
  };
  const int cx = (ml + mr) / 2, cy = (mt + mb) / 2;
  p.drawLine(1, cy, ml - 1, cy);
  arrowHead(QPoint(ml - 1, cy), 1, 0);
  p.drawLine(mr + 1, cy, w - 2, cy);
  arrowHead(QPoint(mr + 1, cy), -1, 0);
  p.drawLine(cx, 1, cx, mt - 1);
  arrowHead(QPoint(cx, mt - 1), 0, 1);
  p.drawLine(cx, mb + 1, cx, h - 2);
  arrowHead(QPoint(cx, mb + 1), 0, -1);
  return pixmap;
}

}  // namespace

// ---------------------------------------------------------------- dialog

tDlgPrinterSetup::tDlgPrinterSetup(bool marginsEnabled, tExtendedPrinter* printer, bool settingsEnabled,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      fPrinter(printer) {
  if (!printer) throw EDevException(QStringLiteral("Ungültiger Drucker (tDlgPrinterSetup.Create)."));
  setObjectName(QStringLiteral("DlgPrinterSetup"));
  setWindowTitle(LangText(58, QStringLiteral("Drucker einrichten")));
  setFixedSize(427, 264);
  setProperty("HelpContext", HelpContext);
  InstallHelpKey(this, HelpContext);

  GBoxPrinter = new QGroupBox(LangText(59, QStringLiteral(" Drucker ")), this);
  GBoxPrinter->setObjectName(QStringLiteral("GBoxPrinter"));
  GBoxPrinter->setGeometry(6, 8, 299, 49);
  LblPrinter = new QLabel(QStringLiteral("eingestellter Drucker ..."), GBoxPrinter);
  LblPrinter->setObjectName(QStringLiteral("LblPrinter"));
  LblPrinter->setGeometry(16, 24, 265, 16);

  GBoxOffset = new QGroupBox(LangText(60, QStringLiteral(" &Ränder ")), this);
  GBoxOffset->setObjectName(QStringLiteral("GBoxOffset"));
  GBoxOffset->setGeometry(8, 72, 297, 185);

  // The sheet pictures sit in the middle of the group, between the entries.
  ImgOffsetsP = new QLabel(GBoxOffset);
  ImgOffsetsP->setObjectName(QStringLiteral("ImgOffsetsP"));
  ImgOffsetsP->setPixmap(SheetPicture(78, 100));
  ImgOffsetsP->setGeometry(148 - 39, 92 - 50, 78, 100);
  ImgOffsetsL = new QLabel(GBoxOffset);
  ImgOffsetsL->setObjectName(QStringLiteral("ImgOffsetsL"));
  ImgOffsetsL->setPixmap(SheetPicture(100, 76));
  ImgOffsetsL->setGeometry(148 - 50, 92 - 38, 100, 76);

  static const char* const editNames[4] = {"EditLeft", "EditTop", "EditRight", "EditBottom"};
  static const char* const spinnerNames[4] = {"SpLeft", "SpTop", "SpRight", "SpBottom"};
  static const QPoint editPos[4] = {QPoint(32, 85), QPoint(120, 20), QPoint(200, 85), QPoint(120, 149)};
  for (int side = 0; side < 4; ++side) {
    auto* edit = new QLineEdit(GBoxOffset);
    edit->setObjectName(QString::fromLatin1(editNames[side]));
    edit->setGeometry(editPos[side].x(), editPos[side].y(), 49, 21);
    edit->setMaxLength(5);
    edit->installEventFilter(this);
    edit->setEnabled(marginsEnabled);
    fEdits[side] = edit;
    auto* spinner = new tUpDown(GBoxOffset);
    spinner->setObjectName(QString::fromLatin1(spinnerNames[side]));
    spinner->setGeometry(editPos[side].x() + 49, editPos[side].y(), 16, 21);
    spinner->setEnabled(marginsEnabled);
    connect(spinner, &tUpDown::Up, this, [this, side] { IncOffset(side); });
    connect(spinner, &tUpDown::Down, this, [this, side] { DecOffset(side); });
    fSpinners[side] = spinner;
  }
  // Entries in reading order: top, left, right, bottom.
  setTabOrder(fEdits[kTop], fEdits[kLeft]);
  setTabOrder(fEdits[kLeft], fEdits[kRight]);
  setTabOrder(fEdits[kRight], fEdits[kBottom]);

  BtnOk = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
  BtnOk->setObjectName(QStringLiteral("BtnOk"));
  BtnOk->setGeometry(334, 16, 75, 25);
  BtnOk->setDefault(true);
  BtnCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              LangText(27, QStringLiteral("&Abbruch")), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  BtnCancel->setGeometry(334, 48, 75, 25);
  BtnCancel->setAutoDefault(false);
  BtnSettings = new QPushButton(LangText(61, QStringLiteral("Optionen")), this);
  BtnSettings->setObjectName(QStringLiteral("BtnSettings"));
  BtnSettings->setGeometry(334, 88, 89, 25);
  BtnSettings->setAutoDefault(false);
  BtnSettings->setEnabled(settingsEnabled);
  setTabOrder(fEdits[kBottom], BtnOk);
  setTabOrder(BtnOk, BtnCancel);
  setTabOrder(BtnCancel, BtnSettings);

  connect(BtnOk, &QPushButton::clicked, this, &tDlgPrinterSetup::BtnOkClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtnSettings, &QPushButton::clicked, this, &tDlgPrinterSetup::BtnSettingsClick);
  // Return on "Abbruch" or "Optionen" presses that button, not OK.
  ClickOnReturnIn(this);

  for (int side = 0; side < 4; ++side) fOffsets[side] = fPrinter->GetMargin(side);
  ShowPrinter();
  for (int side = 0; side < 4; ++side) FillOffsetEdit(side);
}

int32_t tDlgPrinterSetup::Offset(int side) const {
  CheckSide(side, "Offset");
  return fOffsets[side];
}

void tDlgPrinterSetup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (PrintHost()) ApplyMainFont(this);
}

void tDlgPrinterSetup::CheckSide(int side, const char* method) {
  if (side < kLeft || side > kBottom)
    throw EDevException::Fmt(QStringLiteral("Rand %D ist ungültig (tDlgPrinterSetup.") + QString::fromLatin1(method) +
                                 QStringLiteral(")"),
                             side);
}

QString tDlgPrinterSetup::SideName(int side) const {
  switch (side) {
    case kLeft: return LangText(55, QStringLiteral("linken Rand"));
    case kTop: return LangText(54, QStringLiteral("oberen Rand"));
    case kRight: return LangText(56, QStringLiteral("rechten Rand"));
    default: return LangText(57, QStringLiteral("unteren Rand"));
  }
}

void tDlgPrinterSetup::ShowPrinter() {
  const bool landscape = fPrinter->IsLandscape();
  ImgOffsetsP->setVisible(!landscape);
  ImgOffsetsL->setVisible(landscape);
  LblPrinter->setText(fPrinter->PrinterName());
}

QString tDlgPrinterSetup::FormatOffset(int32_t tenthsOfMm) {
  QString text = QString::asprintf("%2.2f", tenthsOfMm / 100.0);
  return text.replace(QLatin1Char('.'), Separator());
}

std::optional<int64_t> tDlgPrinterSetup::ParseOffset(const QString& text) {
  const QString sep = QRegularExpression::escape(Separator());
  const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)?$").arg(sep));
  QString t = text.trimmed();
  if (!number.match(t).hasMatch()) return std::nullopt;
  t.replace(Separator(), QStringLiteral("."));
  bool ok = false;
  const double cm = QLocale::c().toDouble(t, &ok);
  // The pattern only lets numbers through; an exponent may still overflow.
  const double tenths = cm * 100.0;
  if (!ok || !std::isfinite(tenths)) {
    const QRegularExpressionMatch exponent = QRegularExpression(QStringLiteral("[eE]([+-]?)\\d+$")).match(t);
    if (!exponent.hasMatch()) return std::nullopt;
    if (exponent.captured(1) == QStringLiteral("-")) return 0;  // too small to matter
    return t.startsWith(QLatin1Char('-')) ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
  }
  if (tenths >= 9.0e18) return std::numeric_limits<int64_t>::max();
  if (tenths <= -9.0e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(std::nearbyint(tenths));  // halves to even
}

std::optional<int64_t> tDlgPrinterSetup::ConvertOffsetString(int side, const QString& text) const {
  CheckSide(side, "ConvertOffsetString");
  return ParseOffset(text);
}

bool tDlgPrinterSetup::CheckOffset(int side, int64_t value) const {
  CheckSide(side, "CheckOffset");
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return false;
  // Checked together with the margin edited for the opposite side.
  return fPrinter->MarginFits(side, static_cast<int32_t>(value), fOffsets[Opposite(side)]);
}

QString tDlgPrinterSetup::RoomProblem(int side, int64_t value) const {
  const bool across = side == kLeft || side == kRight;
  const int32_t need = across ? fPrinter->LeastUsableWidth() : fPrinter->LeastUsableHeight();
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return QString();
  const int32_t opposite = fOffsets[Opposite(side)];
  const int64_t room = fPrinter->UsableBetween(side, static_cast<int32_t>(value), opposite);
  // Margins that already left too little (from the settings file) may
  // still be improved step by step.
  if (room >= need || room >= fPrinter->UsableBetween(side, fOffsets[side], opposite)) return QString();
  const auto cm = [](int64_t tenths) {
    return FormatOffset(static_cast<int32_t>(std::clamp<int64_t>(tenths, 0, std::numeric_limits<int32_t>::max())));
  };
  return QStringLiteral("Bei diesen Rändern bleiben für den Druck nur %1 cm in der %2; jeder Ausdruck braucht "
                        "mindestens %3 cm.")
      .arg(cm(room), across ? QStringLiteral("Breite") : QStringLiteral("Höhe"), cm(need));
}

void tDlgPrinterSetup::FillOffsetEdit(int side) {
  CheckSide(side, "FillOffsetEdit");
  fEdits[side]->setText(FormatOffset(fOffsets[side]));
}

bool tDlgPrinterSetup::ReadNewOffset(int side) {
  CheckSide(side, "ReadNewOffset");
  const QString text = fEdits[side]->text();
  const std::optional<int64_t> value = ConvertOffsetString(side, text);
  if (!value) {
    FillOffsetEdit(side);
    ShowError(LangText(48, QStringLiteral("Keine gültige Zahl: \"")) + text + QStringLiteral("\"\n") +
              LangText(49, QStringLiteral("Die Eingabe für den")) + QLatin1Char(' ') + SideName(side) +
              LangText(47, QStringLiteral(" wurde nicht übernommen.")));
    return false;
  }
  if (!CheckOffset(side, *value)) {
    FillOffsetEdit(side);
    ShowError(LangText(46, QStringLiteral("Der Wert liegt außerhalb des bedruckbaren Bereichs. Die Eingabe für den")) +
              QLatin1Char(' ') + SideName(side) + LangText(47, QStringLiteral(" wurde nicht übernommen.")));
    return false;
  }
  if (const QString problem = RoomProblem(side, *value); !problem.isEmpty()) {
    FillOffsetEdit(side);
    ShowError(problem + QLatin1Char(' ') + LangText(49, QStringLiteral("Die Eingabe für den")) + QLatin1Char(' ') +
              SideName(side) + LangText(47, QStringLiteral(" wurde nicht übernommen.")));
    return false;
  }
  fOffsets[side] = static_cast<int32_t>(*value);
  FillOffsetEdit(side);
  return true;
}

void tDlgPrinterSetup::IncOffset(int side) {
  CheckSide(side, "IncOffset");
  StepOffset(side, true);
}

void tDlgPrinterSetup::DecOffset(int side) {
  CheckSide(side, "DecOffset");
  StepOffset(side, false);
}

void tDlgPrinterSetup::StepOffset(int side, bool up) {
  // A value typed but not yet taken over counts first.
  if (fEdits[side]->isModified() && !ReadNewOffset(side)) {
    fSpinners[side]->Release();
    return;
  }
  const int32_t before = fOffsets[side];
  int64_t value = int64_t{before} / 10 * 10 + (up ? 10 : -10);
  if (!up) {
    int32_t strip = 0;
    switch (side) {
      case kLeft: strip = fPrinter->OffsetLeft(); break;
      case kTop: strip = fPrinter->OffsetTop(); break;
      case kRight: strip = fPrinter->OffsetRight(); break;
      default: strip = fPrinter->OffsetBottom(); break;
    }
    value = std::max<int64_t>(value, strip);
  }
  const bool fits = CheckOffset(side, value);
  const QString problem = fits ? RoomProblem(side, value) : QString();
  if (fits && problem.isEmpty()) {
    fOffsets[side] = static_cast<int32_t>(value);
  } else {
    fSpinners[side]->Release();  // no stream of messages from the auto-repeat
    fOffsets[side] = before;
    FillOffsetEdit(side);
    ShowError(fits ? problem
                   : LangText(50, QStringLiteral("Dieser Randwert liegt außerhalb des bedruckbaren Bereichs und wurde "
                                                 "nicht übernommen.")));
  }
  FillOffsetEdit(side);
}

int tDlgPrinterSetup::SideOfEdit(const QObject* edit) const {
  for (int side = 0; side < 4; ++side)
    if (fEdits[side] == edit) return side;
  return -1;
}

bool tDlgPrinterSetup::eventFilter(QObject* watched, QEvent* event) {
  const int side = SideOfEdit(watched);
  if (side >= 0) {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        ReadNewOffset(side);
        return true;  // Enter takes the value over; it does not close the dialog
      }
    } else if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      const QWidget* next = QApplication::focusWidget();
      // Leaving for OK (which reads all entries) or Abbruch (which drops
      // them) takes nothing over; neither does switching windows.
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next != BtnOk &&
          next != BtnCancel && isVisible())
        ReadNewOffset(side);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void tDlgPrinterSetup::BtnOkClick() {
  for (int side : {kLeft, kTop, kRight, kBottom}) ReadNewOffset(side);
  fPrinter->SetMargins(fOffsets[kLeft], fOffsets[kTop], fOffsets[kRight], fOffsets[kBottom]);
  accept();
}

void tDlgPrinterSetup::BtnSettingsClick() {
  fPrinter->PlatformSetupDialog(this);
  ShowPrinter();
  // Margins the printer now cannot print become its own.
  for (int side : {kLeft, kTop, kRight, kBottom})
    if (!CheckOffset(side, fOffsets[side])) fOffsets[side] = fPrinter->GetMargin(side);
  for (int side = 0; side < 4; ++side) FillOffsetEdit(side);
}
