// Form geometry store: a form carries one to remember its size, position
// and window state in the settings file between runs.
//
// Section "FORMINI_<screen width>_<screen height>" (one per screen
// resolution), keys "<prefix>_Width", "_Height", "_Top", "_Left",
// "_WindowState" (2 normal, 1 minimised, 3 maximised), the prefix being the
// form's class name. All four describe the client area (the window without
// the frame the window manager adds), in the toolkit's device-independent
// pixels, as QWidget::geometry() gives them and setGeometry() takes them:
// saving the frame's position but restoring it as the client's would move
// the window by the frame's size each time it opens.
//
// At show the stored size and position are restored (first run at a
// resolution: the form is centred with its design size), kept on the
// screen (its available area, or screenSize when given); at the first
// activation after a show the stored window state follows. Closing saves;
// a form that is only hidden saves on hide.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

class TFormIni : public QObject {
 public:
  enum tWhatSave : int { Size = 1, Location = 2, State = 4 };
  using stWhatSave = int;

  // keyPrefix: the form's class name; empty takes the form's objectName.
  // settingsFile: empty takes the application object's settings file.
  // screenSize: empty takes the primary screen's size.
  explicit TFormIni(QWidget* form, const QString& keyPrefix = QString(), const QString& settingsFile = QString(),
                    QSize screenSize = QSize());
  ~TFormIni() override;

  // What is restored; all three by default (saving always writes all keys).
  stWhatSave WhatToSave = Size | Location | State;

  const QString& Section() const { return fSection; }
  const QString& KeyPrefix() const { return fPrefix; }
  QString SettingsFile() const;
  // Left, top, width, height of the form in its normal state.
  QRect NormalGeometry() const { return fNormal; }

  // "FORMINI_<w>_<h>".
  static QString SectionFor(QSize screenSize);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Restore();
  void ApplyState();
  void Save();
  void TrackNormal();
  QString Key(const char* suffix) const;

  QPointer<QWidget> fForm;
  QString fPrefix;
  QString fFile;
  QSize fScreen;
  QString fSection;
  QRect fArea;  // where the form may lie
  QRect fNormal;
  int fStoredState = 0;
  bool fClosed = false;
  bool fRestorePending = false;
};
