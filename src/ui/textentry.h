// Text entry that the data file can keep.
//
// The record stores the company data as short strings (DOS code page 437
// on disk) and the justification texts in Windows-1252. A character that
// the file cannot keep is refused where it is typed or pasted, with a beep
// and a German note at the control, instead of being changed later.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QValidator>

#include "textlist.h"

class QLineEdit;

// The characters a line edit may take.
enum class tCharSet {
  ShortString,  // survives 1252 -> 437 -> 1252 (company name, user name)
  Cp1252,       // has a Windows-1252 byte (text lists)
};

// Whether every character of text belongs to the set. On failure the first
// refused character is put into refused (when given).
bool TextFits(const QString& text, tCharSet set, QString* refused = nullptr);

// The German note for a refused character.
QString RefusedCharMessage(const QString& character);

// Beeps and shows message as a tooltip at the control.
void ShowRefusal(QWidget* control, const QString& message);

// Validator for QLineEdit: refuses any input with a character outside the
// set (the line edit then reports inputRejected).
class tCharSetValidator : public QValidator {
 public:
  tCharSetValidator(tCharSet set, QObject* parent);
  State validate(QString& input, int& pos) const override;
  // The character refused last ("" when none was).
  const QString& LastRefused() const { return fLastRefused; }

 private:
  tCharSet fSet;
  mutable QString fLastRefused;
};

// Sets up a one-line entry for a short string of at most maxChars
// characters: validator, length limit, beep and note on refused input.
void SetupShortStringEdit(QLineEdit* edit, int maxChars);

// Multi-line text that refuses characters outside Windows-1252 (typed,
// pasted, dropped or composed). Tab moves the focus, as in every dialog.
class tTextMemo : public QPlainTextEdit {
 public:
  explicit tTextMemo(QWidget* parent = nullptr);

  // The lines of a text list, and back. SetLines followed by Lines gives
  // the same lines, empty last lines included.
  void SetLines(const tTextList& list);
  std::vector<std::string> Lines() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

// The text a memo shows for lines, and the lines of a memo's text.
QString MemoTextOf(const std::vector<std::string>& lines);
std::vector<std::string> MemoLinesOf(const QString& text);
