#include "formini.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "datafiles.h"
#include "edevexception.h"
#include "inifile.h"
#include "framehost.h"
#include "msgdlg.h"
#include "onscreen.h"

namespace {

QSize PrimarySize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1024, 768);
}

bool IsNormal(const QWidget* w) { return !(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)); }

}  // namespace

QString TFormIni::SectionFor(QSize screenSize) {
  return QStringLiteral("FORMINI_%1_%2").arg(screenSize.width()).arg(screenSize.height());
}

TFormIni::TFormIni(QWidget* form, const QString& keyPrefix, const QString& settingsFile, QSize screenSize)
    : QObject(form),
      fForm(form),
      fPrefix(keyPrefix.isEmpty() && form ? form->objectName() : keyPrefix),
      fFile(settingsFile),
      fScreen(screenSize.isEmpty() ? PrimarySize() : screenSize),
      fSection(SectionFor(fScreen)),
      fArea(screenSize.isEmpty() ? AvailableArea(nullptr) : QRect(QPoint(0, 0), screenSize)) {
  setObjectName(QStringLiteral("FormIni"));
  if (form) {
    fNormal = form->geometry();
    form->installEventFilter(this);
  }
}

TFormIni::~TFormIni() {
  if (fForm) fForm->removeEventFilter(this);
}

QString TFormIni::SettingsFile() const {
  if (!fFile.isEmpty()) return fFile;
  if (const tFrameHost* host = FrameHost()) return host->SettingsFileName();
  return DecideDataFiles(QCoreApplication::applicationDirPath(), tDataFolderUse::ReadOnly).SettingsFile;
}

QString TFormIni::Key(const char* suffix) const { return fPrefix + QLatin1String(suffix); }

bool TFormIni::eventFilter(QObject* watched, QEvent* event) {
  if (watched != fForm || !fForm) return false;
  switch (event->type()) {
    case QEvent::Show:
      // Spontaneous shows and hides come from minimising and restoring
      // the window; they are no show or hide of the form.
      if (event->spontaneous()) break;
      fClosed = false;
      fRestorePending = true;
      Restore();
      break;
    case QEvent::WindowActivate:
      if (fRestorePending) {
        fRestorePending = false;
        ApplyState();
      }
      break;
    case QEvent::Hide:
      if (event->spontaneous()) break;
      if (!fClosed) Save();
      break;
    case QEvent::Close:
      fClosed = true;
      Save();
      break;
    case QEvent::Resize:
    case QEvent::Move:
      TrackNormal();
      break;
    default:
      break;
  }
  return false;  // the form's own handlers follow
}

void TFormIni::TrackNormal() {
  if (IsNormal(fForm)) fNormal = fForm->geometry();
}

void TFormIni::Restore() {
  QWidget* form = fForm;
  fNormal = form->geometry();
  try {
    const TMORLAKIniFile file(SettingsFile());
    int width = form->width(), height = form->height(), top = fNormal.y(), left = fNormal.x();
    if (WhatToSave & Size) {
      width = file.ReadInteger(fSection, Key("_Width"), width);
      height = file.ReadInteger(fSection, Key("_Height"), height);
    }
    if (WhatToSave & Location) {
      top = file.ReadInteger(fSection, Key("_Top"), top);
      left = file.ReadInteger(fSection, Key("_Left"), left);
    }
    fStoredState = file.ReadInteger(fSection, Key("_WindowState"), 0);
    if (fStoredState == 0) {  // first run at this resolution
      left = (fScreen.width() - width) / 2;
      top = (fScreen.height() - height) / 2;
    }
    // A place beyond the screen (a panel that grew, a setting edited by
    // hand) comes back onto it: nothing larger than the screen, nothing off
    // its edges.
    const QMargins frame = FrameMargins(form);
    width = std::min(width, fArea.width() - frame.left() - frame.right());
    height = std::min(height, fArea.height() - frame.top() - frame.bottom());
    const QRect kept = KeepWithin(QRect(left, top, width, height), frame, fArea);
    left = kept.left();
    top = kept.top();
    // The client area's geometry, as it was saved: the window manager puts
    // its frame around it, so the window reopens exactly where it was.
    form->setGeometry(left, top, width, height);
    fNormal = form->geometry();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler beim Lesen der Einstellungen. Fensterposition konnte nicht restauriert werden.\n\r") +
              ExceptionMessage(e));
  }
}

void TFormIni::ApplyState() {
  if (!(WhatToSave & State)) return;
  Qt::WindowStates state = fForm->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
  if (fStoredState == 1)
    state |= Qt::WindowMinimized;
  else if (fStoredState == 3)
    state |= Qt::WindowMaximized;
  fForm->setWindowState(state);
}

void TFormIni::Save() {
  QWidget* form = fForm;
  if (IsNormal(form)) fNormal.moveTo(form->geometry().topLeft());
  const int state = (form->windowState() & Qt::WindowMinimized) ? 1 : (form->windowState() & Qt::WindowMaximized) ? 3 : 2;
  try {
    TMORLAKIniFile file(SettingsFile());
    file.WriteInteger(fSection, Key("_Width"), fNormal.width());
    file.WriteInteger(fSection, Key("_Height"), fNormal.height());
    file.WriteInteger(fSection, Key("_Top"), fNormal.y());
    file.WriteInteger(fSection, Key("_Left"), fNormal.x());
    file.WriteInteger(fSection, Key("_WindowState"), state);
    file.UpdateFile();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler beim Speichern der Einstellungen. Fensterposition konnte nicht gesichert werden.\n\r") +
              ExceptionMessage(e));
  }
}
