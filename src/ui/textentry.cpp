#include "textentry.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QToolTip>

#include "codepage.h"

namespace {

bool CharFits(char32_t cp, tCharSet set) {
  return set == tCharSet::ShortString ? codepage::SurvivesShortString(cp) : codepage::FitsCp1252(cp);
}

}  // namespace

bool TextFits(const QString& text, tCharSet set, QString* refused) {
  for (const char32_t cp : text.toUcs4()) {
    if (!CharFits(cp, set)) {
      if (refused) *refused = QString::fromUcs4(&cp, 1);
      return false;
    }
  }
  return true;
}

QString RefusedCharMessage(const QString& character) {
  return QStringLiteral("Das Zeichen \u201E%1\u201C kann nicht gespeichert werden und wird nicht übernommen.")
      .arg(character);
}

void ShowRefusal(QWidget* control, const QString& message) {
  QApplication::beep();
  if (control && control->isVisible())
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), message, control);
}

// ------------------------------------------------------------ line edits

tCharSetValidator::tCharSetValidator(tCharSet set, QObject* parent) : QValidator(parent), fSet(set) {}

QValidator::State tCharSetValidator::validate(QString& input, int&) const {
  QString refused;
  const bool fits = TextFits(input, fSet, &refused);
  fLastRefused = fits ? QString() : refused;
  return fits ? Acceptable : Invalid;
}

void SetupShortStringEdit(QLineEdit* edit, int maxChars) {
  auto* validator = new tCharSetValidator(tCharSet::ShortString, edit);
  edit->setValidator(validator);
  edit->setMaxLength(maxChars);
  QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit, validator, maxChars] {
    if (!validator->LastRefused().isEmpty())
      ShowRefusal(edit, RefusedCharMessage(validator->LastRefused()));
    else
      ShowRefusal(edit, QStringLiteral("Hier sind höchstens %1 Zeichen möglich.").arg(maxChars));
  });
}

// ---------------------------------------------------------------- memos

QString MemoTextOf(const std::vector<std::string>& lines) {
  QString text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    text += QString::fromStdString(lines[i]);
  }
  // An empty last line needs its own break, or it would be lost on reading.
  if (!lines.empty() && lines.back().empty()) text += QLatin1Char('\n');
  return text;
}

std::vector<std::string> MemoLinesOf(const QString& text) {
  return tTextList::SplitLines(text.toStdString());
}

tTextMemo::tTextMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void tTextMemo::SetLines(const tTextList& list) { setPlainText(MemoTextOf(list.Lines())); }

std::vector<std::string> tTextMemo::Lines() const { return MemoLinesOf(toPlainText()); }

void tTextMemo::keyPressEvent(QKeyEvent* event) {
  QString refused;
  if (!event->text().isEmpty() && !TextFits(event->text(), tCharSet::Cp1252, &refused)) {
    ShowRefusal(this, RefusedCharMessage(refused));
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void tTextMemo::inputMethodEvent(QInputMethodEvent* event) {
  QString refused;
  if (!event->commitString().isEmpty() && !TextFits(event->commitString(), tCharSet::Cp1252, &refused)) {
    ShowRefusal(this, RefusedCharMessage(refused));
    // Keep the composition, drop the commit.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

bool tTextMemo::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText() && QPlainTextEdit::canInsertFromMimeData(source);
}

void tTextMemo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  QString refused;
  if (!TextFits(source->text(), tCharSet::Cp1252, &refused)) {
    ShowRefusal(this, RefusedCharMessage(refused));
    return;
  }
  QMimeData plain;
  plain.setText(source->text());
  QPlainTextEdit::insertFromMimeData(&plain);
}
