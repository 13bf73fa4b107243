// The numeric entry field used by every window for numbers.
//
// A picture mask fixes what may be typed: "#" and "9" stand for one digit,
// "." for the decimal separator (shown as the user's one). "#####" takes up
// to five digits, "###.#" up to three digits and one decimal. Keys that the
// mask does not allow are refused with a beep; nothing else is changed,
// and a note beside the field, drawn like a tooltip, names what it takes
// (its range, the decimals), every time a key is refused.
//
// The value in use is what IntValue() / ExtValue() answer and what the
// windows take into the record. A typed entry that is a number within the
// range becomes the value in use at once. Any other entry (outside the
// range) is rejected: the value in use stays the one the field had when the
// user began the entry - never a number typed on the way, so 12000 in a
// 0 to 10000 field does not become 1200. The rejected entry stays visible,
// drawn black on red, with a German tooltip naming the range and the value
// in use; leaving the field with it beeps and shows that tooltip at once.
// When the program writes the value in use back into the field (a window
// showing the record again), the rejected entry stays; any other value
// replaces it, and so does any value in a read-only field: a field the
// program fills shows the value it uses. Values set by the program are
// taken as they are (shown red when out of range). A new range applies to
// the value in use; a rejected entry stays rejected until it is typed again.
//
// A value too wide for the mask is shown as asterisks and counts as an
// error, so that a cut-off figure is never taken for the real one.
//
// Extended values keep 80-bit precision from text to value and back; the
// conversions do not depend on the C library's locale.
// Entering the field selects its whole text; leaving it emits Exited(),
// changed or not.
#pragma once

#include <QLineEdit>
#include <QString>
#include <cstdint>

class tFieldHint;

class tNumField : public QLineEdit {
  Q_OBJECT

 public:
  enum class Kind { Integer, Extended };

  explicit tNumField(QWidget* parent = nullptr);

  // Picture mask; the number of "."-separated decimals decides how values
  // are shown.
  void SetMask(const QString& picture);
  const QString& Mask() const { return fMask; }
  void SetKind(Kind kind) { fKind = kind; }
  Kind GetKind() const { return fKind; }
  // Inclusive range. Without one (the default) the mask alone limits.
  void SetRange(long double minimum, long double maximum);
  void ClearRange();
  // A sentence added to the range wherever the field names it (why the
  // range is narrower than usual); empty for none.
  void SetRangeNote(const QString& note);
  // What the field takes, as a refused keystroke names it: "Zulässig sind
  // ganze Zahlen von 0 bis 99999." and the range note.
  QString AllowedText() const;

  // Read-only fields cannot be typed into and use the button-face colour;
  // editable ones the window colour (the error colours win over both).
  void SetEditable(bool editable);
  bool Editable() const { return !isReadOnly(); }

  // The value in use (see above). NaN counts as 0; values beyond 64 bits
  // stop at its limits.
  int64_t IntValue() const;
  long double ExtValue() const { return fValue; }
  void SetIntValue(int64_t value);
  void SetExtValue(long double value);  // NaN and infinities show as asterisks

  // Whether the text is not a number in range (a rejected entry, or a
  // value from the program outside the range or too wide for the mask).
  bool InError() const { return fError; }
  // Whether the text is an entry of the user that was rejected.
  bool EntryRejected() const { return fRejected; }

  // An error found outside the field (a rule that ties it to another
  // field): shown in the error colours with this tooltip until it is
  // cleared with an empty text. Neither the value nor InError() change.
  void SetExternalError(const QString& message);
  const QString& ExternalError() const { return fExternalError; }

  // The text of a value as this field shows it (with the user's separator).
  QString TextOf(long double value) const;

 signals:
  void Exited();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void OnInputRejected();
  void HideHint();
  void OnTextEdited(const QString& text);
  void ApplyColours();
  void SetErrorState(bool error);
  // Shows value as the program's, replacing whatever was typed.
  void ShowValue(long double value);
  int Decimals() const;
  // The value in use as the tooltip names it.
  QString ValueInUseText() const;
  int IntegerDigits() const;

  QString fMask = QStringLiteral("#####");
  Kind fKind = Kind::Integer;
  bool fHasRange = false;
  long double fMin = 0;
  long double fMax = 0;
  long double fValue = 0;
  // The value in use when the current entry began (focus in, a value set
  // by the program, or the last time the field was left).
  long double fEntryBase = 0;
  bool fError = false;
  bool fRejected = false;
  QString fExternalError;
  QString fRangeNote;
  tFieldHint* fHint = nullptr;  // made at the first refused key
};
