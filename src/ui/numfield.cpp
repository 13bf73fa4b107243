#include "numfield.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPalette>
#include <QTimer>
#include <QToolTip>
#include <QValidator>
#include <charconv>
#include <cmath>
#include <limits>

#include "fieldhint.h"
#include "numfmt.h"

namespace {

// The decimal separator shown and accepted (besides "." and ",").
QString Separator() { return QString::fromUtf8(DecimalSeparator().c_str()); }

bool SameValue(long double a, long double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Refuses what the mask does not allow: more digits than it has places,
// a second separator, a separator in an integer field, any other character.
class MaskValidator : public QValidator {
 public:
  MaskValidator(const tNumField* field) : QValidator(const_cast<tNumField*>(field)), fField(field) {}
  State validate(QString& input, int&) const override {
    const QString sep = Separator();
    int intDigits = 0, decDigits = 0;
    bool seenSep = false;
    const int maxInt = fField->Mask().section(QLatin1Char('.'), 0, 0).size();
    const int maxDec = fField->Mask().contains(QLatin1Char('.')) ? fField->Mask().section(QLatin1Char('.'), 1).size() : 0;
    for (const QChar c : input) {
      if (c.isDigit() && c.unicode() < 128) {
        (seenSep ? decDigits : intDigits)++;
      } else if ((c == QLatin1Char('.') || c == QLatin1Char(',') || QString(c) == sep) && maxDec > 0 && !seenSep) {
        seenSep = true;
      } else if (c == QLatin1Char(' ')) {
        continue;
      } else {
        return Invalid;
      }
    }
    if (intDigits > maxInt || decDigits > maxDec) return Invalid;
    return Acceptable;
  }

 private:
  const tNumField* fField;
};

}  // namespace

tNumField::tNumField(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setValidator(new MaskValidator(this));
  connect(this, &QLineEdit::inputRejected, this, &tNumField::OnInputRejected);
  connect(this, &QLineEdit::textEdited, this, &tNumField::OnTextEdited);
  setText(TextOf(0));
  ApplyColours();
}

void tNumField::SetMask(const QString& picture) {
  fMask = picture;
  fMask.replace(QLatin1Char('9'), QLatin1Char('#'));
  setMaxLength(fMask.size());
  setText(TextOf(fValue));
}

void tNumField::SetRange(long double minimum, long double maximum) {
  fHasRange = true;
  fMin = minimum;
  fMax = maximum;
  // A rejected entry stays what it was; the tooltip names the new range.
  const bool wide = text().startsWith(QLatin1Char('*'));
  SetErrorState(fRejected || wide || fValue < fMin || fValue > fMax);
}

void tNumField::ClearRange() {
  fHasRange = false;
  fRejected = false;
  SetErrorState(false);
}

void tNumField::SetRangeNote(const QString& note) {
  fRangeNote = note;
  SetErrorState(fError);
}

QString tNumField::AllowedText() const {
  const int decimals = fKind == Kind::Extended ? Decimals() : 0;
  // Without a range the mask's places are the limits.
  const long double widest = std::pow(10.0L, IntegerDigits()) - std::pow(10.0L, -decimals);
  const QString low = TextOf(fHasRange ? fMin : 0);
  const QString high = TextOf(fHasRange ? fMax : widest);
  QString text = decimals == 0
                     ? QStringLiteral("Zulässig sind ganze Zahlen von %1 bis %2.").arg(low, high)
                     : QStringLiteral("Zulässig sind Zahlen von %1 bis %2 mit höchstens %3 Nachkommastelle%4.")
                           .arg(low, high, decimals == 1 ? QStringLiteral("einer") : QString::number(decimals),
                                decimals == 1 ? QString() : QStringLiteral("n"));
  if (!fRangeNote.isEmpty()) text += QLatin1Char(' ') + fRangeNote;
  return text;
}

int tNumField::Decimals() const {
  const int dot = fMask.indexOf(QLatin1Char('.'));
  return dot < 0 ? 0 : static_cast<int>(fMask.size() - dot - 1);
}

int tNumField::IntegerDigits() const {
  const int dot = fMask.indexOf(QLatin1Char('.'));
  return dot < 0 ? static_cast<int>(fMask.size()) : dot;
}

QString tNumField::TextOf(long double value) const {
  const QString stars(fMask.size(), QLatin1Char('*'));
  if (!std::isfinite(value)) return stars;
  if (value == 0) value = 0;  // no "-0"
  char buf[128];
  const int decimals = fKind == Kind::Extended ? Decimals() : 0;
  // Fixed notation, rounded to nearest (ties to even), always with ".".
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return stars;
  QString text = QString::fromLatin1(buf, static_cast<qsizetype>(end - buf));
  if (text.size() > fMask.size()) return stars;  // never shown cut off
  if (decimals > 0) text.replace(QLatin1Char('.'), Separator());
  return text;
}

int64_t tNumField::IntValue() const {
  if (std::isnan(fValue)) return 0;
  if (fValue >= 9223372036854775807.0L) return std::numeric_limits<int64_t>::max();
  if (fValue <= -9223372036854775808.0L) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(fValue);
}

void tNumField::SetIntValue(int64_t value) { SetExtValue(static_cast<long double>(value)); }

void tNumField::SetExtValue(long double value) {
  // A window showing the record again restates the value in use; the
  // user's rejected entry stays in view until it is corrected - unless the
  // field is locked, where nobody could correct it.
  if (fRejected && SameValue(value, fValue) && !isReadOnly()) {
    fEntryBase = value;
    SetErrorState(true);
    return;
  }
  ShowValue(value);
}

void tNumField::ShowValue(long double value) {
  fValue = value;
  fEntryBase = value;
  fRejected = false;
  const QString text = TextOf(value);
  setText(text);
  const bool fits = std::isfinite(value) && !text.startsWith(QLatin1Char('*'));
  SetErrorState(!fits || (fHasRange && (value < fMin || value > fMax)));
}

void tNumField::SetExternalError(const QString& message) {
  fExternalError = message;
  SetErrorState(fError);
}

void tNumField::OnTextEdited(const QString& text) {
  HideHint();  // the user typed on
  QString plain = text.trimmed();
  plain.remove(QLatin1Char(' '));
  const QString sep = Separator();
  if (sep != QLatin1String(".")) plain.replace(sep, QLatin1String("."));
  plain.replace(QLatin1Char(','), QLatin1Char('.'));
  long double value = 0;
  bool number = true;
  if (!plain.isEmpty() && plain != QLatin1String(".")) {
    const QByteArray latin = plain.toLatin1();
    const char* first = latin.constData();
    const char* last = first + latin.size();
    // 80-bit, independent of the C library's locale.
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    number = ec == std::errc() && end == last;
  }
  if (number && fKind == Kind::Integer) value = std::trunc(value);
  const bool accepted = number && (!fHasRange || (value >= fMin && value <= fMax));
  // A rejected entry falls back to the value the entry began with, not to
  // the last number that happened to be valid while it was typed.
  fValue = accepted ? value : fEntryBase;
  fRejected = !accepted;
  SetErrorState(!accepted);
}

void tNumField::SetEditable(bool editable) {
  setReadOnly(!editable);
  setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
  // A locked field shows the value in use, not an entry nobody can correct.
  if (!editable && fRejected)
    ShowValue(fValue);
  else
    ApplyColours();
}

QString tNumField::ValueInUseText() const {
  const QString shown = TextOf(fValue);
  if (!shown.startsWith(QLatin1Char('*'))) return shown;
  // Too wide for the mask: the plain number.
  return QString::number(static_cast<double>(fValue), 'f', fKind == Kind::Extended ? Decimals() : 0);
}

void tNumField::SetErrorState(bool error) {
  fError = error;
  if (error && fHasRange && std::isfinite(fValue)) {
    QString tip = QStringLiteral("Ungültiger Wert. Zulässig sind Werte von %1 bis %2. Die Berechnung verwendet %3.")
                      .arg(TextOf(fMin), TextOf(fMax), ValueInUseText());
    if (!fRangeNote.isEmpty()) tip += QLatin1Char(' ') + fRangeNote;
    setToolTip(tip);
  } else if (error) {
    setToolTip(QStringLiteral("Der Wert ist zu groß für dieses Feld."));
  } else {
    setToolTip(fExternalError);
  }
  ApplyColours();
}

void tNumField::ApplyColours() {
  QPalette pal = palette();
  const QPalette app = QApplication::palette();
  if (fError || !fExternalError.isEmpty()) {
    pal.setColor(QPalette::Base, Qt::red);
    pal.setColor(QPalette::Text, Qt::black);
  } else {
    pal.setColor(QPalette::Base, isReadOnly() ? app.color(QPalette::Button) : app.color(QPalette::Base));
    pal.setColor(QPalette::Text, app.color(QPalette::Text));
  }
  setPalette(pal);
}

void tNumField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  fEntryBase = fValue;
  // After the click that gave the focus has placed the cursor.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus()) selectAll();
  });
}

void tNumField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  HideHint();
  if (!fError) setText(TextOf(fValue));  // normalised: "7,50" -> "7,5"
  fEntryBase = fValue;
  // The user moved on from a rejected entry: say so where it is, also to
  // someone who works with the keyboard and never hovers over the field.
  // Switching windows or opening the context menu is no moving on.
  const Qt::FocusReason reason = event->reason();
  if (fRejected && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
    QApplication::beep();
    // Once the focus has arrived elsewhere: a change of focus hides tips.
    QTimer::singleShot(0, this, [this] {
      // Beside the field, not over the next one where the focus went.
      if (fRejected && isVisible()) QToolTip::showText(mapToGlobal(QPoint(width() + 4, 0)), toolTip(), this);
    });
  }
  emit Exited();
}

// A refused key: a beep, and the note what the field takes, every time.
void tNumField::OnInputRejected() {
  QApplication::beep();
  if (!isVisible()) return;
  if (!fHint) fHint = new tFieldHint(this);
  fHint->ShowBeside(AllowedText());
}

void tNumField::HideHint() {
  if (fHint) fHint->hide();
}
