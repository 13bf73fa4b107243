// Answers the modal windows a test opens.
//
// Create the driver, queue one handler per modal window you expect, then
// call the code that opens them. While a modal loop runs, a zero timer
// looks for QApplication::activeModalWidget() and gives each new one to the
// next handler. A modal window that appears when no handler is left, or
// that a handler leaves open, is closed by the driver and reported in
// Unexpected(), so a test fails instead of hanging.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class tModalDriver : public QObject {
 public:
  using tHandler = std::function<void(QWidget* dialog)>;

  struct tSeen {
    QString Title;
    QString Text;  // the message of a message dialog or message box
  };

  tModalDriver();
  ~tModalDriver() override;

  tModalDriver& Then(tHandler handler);
  // Clicks the button with this object name (or, failing that, this text).
  tModalDriver& ThenClick(const QString& button);
  // Sends a key to the dialog's focus widget.
  tModalDriver& ThenKey(int key);

  // The windows handled so far, in order.
  const QList<tSeen>& Seen() const { return fSeen; }
  int Pending() const { return int(fHandlers.size()); }
  const QStringList& Unexpected() const { return fUnexpected; }

  static QString TextOf(QWidget* dialog);
  static void Click(QWidget* dialog, const QString& button);
  static void Key(QWidget* dialog, int key);
  // Closes a modal window the way the user's close box would.
  static void Dismiss(QWidget* dialog);

 private:
  void Poll();

  QTimer fTimer;
  std::deque<tHandler> fHandlers;
  QList<QPointer<QWidget>> fHandled;
  QPointer<QWidget> fCurrent;
  int fCurrentPolls = 0;
  QList<tSeen> fSeen;
  QStringList fUnexpected;
};
