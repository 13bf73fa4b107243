// The form geometry store: first show, restore, window state, when it
// writes, resolutions, and its two error messages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>

#include "formini.h"
#include "inifile.h"
#include "modaldriver.h"
#include "posixtest.h"
#include "tempdir.h"

namespace {

const QSize kScreen(1024, 768);
const QString kSection = "FORMINI_1024_768";

// Puts the form's client area at (x, y), as the user moving the window would.
void Place(QWidget& form, int x, int y) { form.setGeometry(x, y, form.width(), form.height()); }

class FormIni : public ::testing::Test {
 protected:
  QString Ini() const { return dir.File("TAVI.INI"); }
  int Read(const QString& key, const QString& section = kSection) const {
    return TMORLAKIniFile(Ini()).ReadInteger(section, key, -1);
  }
  // A form of design size 300 x 200 at (5, 5) with a store.
  std::unique_ptr<QWidget> Form(QSize screen = kScreen) {
    auto form = std::make_unique<QWidget>();
    form->setObjectName("tDlgUserData");
    form->setGeometry(5, 5, 300, 200);
    new TFormIni(form.get(), QString(), Ini(), screen);
    return form;
  }
  tTempDir dir;
};

TEST_F(FormIni, FirstShowCentresThenCloseWritesAllKeys) {
  auto form = Form();
  EXPECT_EQ(form->findChild<TFormIni*>()->Section(), kSection);
  EXPECT_EQ(form->findChild<TFormIni*>()->KeyPrefix(), "tDlgUserData");
  form->show();
  EXPECT_EQ(form->geometry().topLeft(), QPoint((1024 - 300) / 2, (768 - 200) / 2));
  EXPECT_EQ(form->size(), QSize(300, 200));
  form->close();
  EXPECT_EQ(TMORLAKIniFile(Ini()).ReadSectionValues(kSection),
            (QStringList{"tDlgUserData_Width=300", "tDlgUserData_Height=200", "tDlgUserData_Top=284",
                         "tDlgUserData_Left=362", "tDlgUserData_WindowState=2"}));
}

TEST_F(FormIni, StoredGeometryIsRestored) {
  {
    TMORLAKIniFile file(Ini());
    for (auto [key, value] : {std::pair{"_Width", 420}, {"_Height", 310}, {"_Top", 40}, {"_Left", 60}, {"_WindowState", 2}})
      file.WriteInteger(kSection, QString("tDlgUserData") + key, value);
    file.UpdateFile();
  }
  auto form = Form();
  form->show();
  EXPECT_EQ(form->geometry().topLeft(), QPoint(60, 40));
  EXPECT_EQ(form->size(), QSize(420, 310));
  Place(*form, 100, 120);
  form->resize(500, 350);
  form->close();
  EXPECT_EQ(Read("tDlgUserData_Left"), 100);
  EXPECT_EQ(Read("tDlgUserData_Top"), 120);
  EXPECT_EQ(Read("tDlgUserData_Width"), 500);
  EXPECT_EQ(Read("tDlgUserData_Height"), 350);
}

// The offscreen platform draws a frame of 2 pixels around each window, so
// the frame's position is not the client area's. What is saved must be what
// is restored; the window manager adds its frame around it.
TEST_F(FormIni, SavesAndRestoresTheClientAreaSoTheFormNeverCreeps) {
  {
    auto form = Form();
    form->show();
    ASSERT_NE(form->pos(), form->geometry().topLeft()) << "no window frame to tell them apart";
    form->setGeometry(100, 120, 320, 240);
    form->close();
  }
  EXPECT_EQ(Read("tDlgUserData_Left"), 100);
  EXPECT_EQ(Read("tDlgUserData_Top"), 120);
  for (int cycle = 0; cycle < 10; ++cycle) {
    SCOPED_TRACE(cycle);
    auto form = Form();
    form->show();
    EXPECT_EQ(form->geometry(), QRect(100, 120, 320, 240));
    form->close();
    EXPECT_EQ(Read("tDlgUserData_Left"), 100);
    EXPECT_EQ(Read("tDlgUserData_Top"), 120);
  }
}

TEST_F(FormIni, StoredPlaceBeyondTheScreenComesBackOntoIt) {
  {
    TMORLAKIniFile file(Ini());
    for (auto [key, value] : {std::pair{"_Width", 2000}, {"_Height", 300}, {"_Top", 700}, {"_Left", -500},
                              {"_WindowState", 2}})
      file.WriteInteger(kSection, QString("tDlgUserData") + key, value);
    file.UpdateFile();
  }
  auto form = Form();
  form->show();
  // The offscreen platform's frame is 2 pixels all round.
  EXPECT_EQ(form->geometry(), QRect(2, 768 - 2 - 300, 1024 - 4, 300));
}

TEST_F(FormIni, WhatToSaveLimitsTheRestoreNotTheSave) {
  {
    TMORLAKIniFile file(Ini());
    for (auto [key, value] : {std::pair{"_Width", 420}, {"_Height", 310}, {"_Top", 40}, {"_Left", 60}, {"_WindowState", 2}})
      file.WriteInteger(kSection, QString("tDlgUserData") + key, value);
    file.UpdateFile();
  }
  auto form = Form();
  form->findChild<TFormIni*>()->WhatToSave = TFormIni::Location;
  form->show();
  EXPECT_EQ(form->geometry().topLeft(), QPoint(60, 40));
  EXPECT_EQ(form->size(), QSize(300, 200));
  form->close();
  EXPECT_EQ(Read("tDlgUserData_Width"), 300);
}

TEST_F(FormIni, ClosedMaximisedReopensNormalGeometryThenMaximised) {
  {
    auto form = Form();
    form->show();
    Place(*form, 30, 50);
    form->resize(350, 260);
    form->showMaximized();
    ASSERT_TRUE(form->isMaximized());
    form->close();
  }
  EXPECT_EQ(Read("tDlgUserData_WindowState"), 3);
  EXPECT_EQ(Read("tDlgUserData_Left"), 30);
  EXPECT_EQ(Read("tDlgUserData_Top"), 50);
  EXPECT_EQ(Read("tDlgUserData_Width"), 350);
  EXPECT_EQ(Read("tDlgUserData_Height"), 260);

  auto form = Form();
  QRect beforeActivation;
  bool maximisedBeforeActivation = true;
  struct tProbe : QObject {
    std::function<void()> atActivate;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::WindowActivate && atActivate) {
        atActivate();
        atActivate = nullptr;
      }
      return false;
    }
  } probe;
  probe.atActivate = [&] {
    beforeActivation = QRect(form->geometry().topLeft(), form->size());
    maximisedBeforeActivation = form->isMaximized();
  };
  form->installEventFilter(&probe);  // runs before the store's filter
  form->show();
  QApplication::setActiveWindow(form.get());
  QCoreApplication::processEvents();
  EXPECT_FALSE(maximisedBeforeActivation);
  EXPECT_EQ(beforeActivation, QRect(30, 50, 350, 260));
  EXPECT_TRUE(form->isMaximized());
  // The normal geometry is still the one to come back to.
  EXPECT_EQ(form->findChild<TFormIni*>()->NormalGeometry(), QRect(30, 50, 350, 260));
}

TEST_F(FormIni, CloseWritesOnceHideWritesWhenOnlyHidden) {
  auto form = Form();
  // A filter installed after the store's runs first: at the hide that
  // follows the close it removes the file, so a second write would bring
  // it back.
  struct tRemoveAtHide : QObject {
    QString file;
    bool existedAtHide = false;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Hide) {
        existedAtHide = QFile::exists(file);
        QFile::remove(file);
      }
      return false;
    }
  } probe;
  probe.file = Ini();
  form->show();
  form->installEventFilter(&probe);
  form->close();
  EXPECT_TRUE(probe.existedAtHide);  // written on close
  EXPECT_FALSE(dir.Exists("TAVI.INI"));  // not again on hide
  form->removeEventFilter(&probe);

  form->show();
  form->hide();
  EXPECT_EQ(Read("tDlgUserData_WindowState"), 2);
}

TEST_F(FormIni, ModalDialogAnsweredWithEscSaves) {
  QDialog dialog;
  dialog.setObjectName("TDlgPreview");
  dialog.resize(540, 316);
  new TFormIni(&dialog, QString(), Ini(), kScreen);
  tModalDriver driver;
  driver.ThenKey(Qt::Key_Escape);
  dialog.exec();
  EXPECT_EQ(Read("TDlgPreview_Width"), 540);
  EXPECT_EQ(Read("TDlgPreview_WindowState"), 2);
}

TEST_F(FormIni, ResolutionsAreKeptApart) {
  {
    auto form = Form(QSize(800, 600));
    form->show();
    Place(*form, 11, 12);
    form->close();
  }
  {
    auto form = Form(QSize(1280, 1024));
    form->show();
    EXPECT_EQ(form->geometry().topLeft(), QPoint((1280 - 300) / 2, (1024 - 200) / 2));  // new resolution: centred
    Place(*form, 21, 22);
    form->close();
  }
  EXPECT_EQ(Read("tDlgUserData_Left", "FORMINI_800_600"), 11);
  EXPECT_EQ(Read("tDlgUserData_Left", "FORMINI_1280_1024"), 21);
  auto form = Form(QSize(800, 600));
  form->show();
  EXPECT_EQ(form->geometry().topLeft(), QPoint(11, 12));
  form->close();
}

TEST_F(FormIni, ReadErrorKeepsDesignGeometry) {
  ASSERT_TRUE(dir.MakeDir("TAVI.INI"));
  auto form = Form();
  tModalDriver driver;
  driver.ThenClick("Btn2").ThenClick("Btn2");
  form->show();
  EXPECT_EQ(form->geometry(), QRect(5, 5, 300, 200));
  form->close();
  ASSERT_EQ(driver.Seen().size(), 2);
  EXPECT_EQ(driver.Seen()[0].Text, "Fehler beim Lesen der Einstellungen. Fensterposition konnte nicht restauriert "
                                   "werden.\nDie Datei " + Ini() + " kann nicht gelesen werden.");
  EXPECT_TRUE(driver.Seen()[1].Text.startsWith(
      "Fehler beim Speichern der Einstellungen. Fensterposition konnte nicht gesichert werden.\n"));
}

TEST_F(FormIni, WriteErrorKeepsThePreviousValues) {
  {
    auto form = Form();
    form->show();
    form->close();
  }
  const QByteArray before = dir.Read("TAVI.INI");
  auto form = Form();
  tModalDriver driver;
  driver.ThenClick("Btn2");
  form->show();
  Place(*form, 1, 2);
  {
    posixtest::tFileSizeLimit full(8);  // as on a full disk
    ASSERT_TRUE(full.Active());
    form->close();
  }
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_TRUE(driver.Seen()[0].Text.startsWith(
      "Fehler beim Speichern der Einstellungen. Fensterposition konnte nicht gesichert werden.\n"))
      << driver.Seen()[0].Text.toStdString();
  EXPECT_EQ(dir.Read("TAVI.INI"), before);
}

}  // namespace
