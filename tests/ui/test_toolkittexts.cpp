// What the toolkit itself shows is German: the context menus of the entry
// fields and the buttons of its standard dialogs.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

#include "modaldriver.h"
#include "numfield.h"
#include "textentry.h"
#include "toolkittexts.h"

namespace {

// A menu's texts without mnemonics and shortcuts, separators left out.
QStringList MenuTexts(const QMenu& menu) {
  QStringList texts;
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    QString text = action->text().section(QLatin1Char('\t'), 0, 0);
    text.remove(QLatin1Char('&'));
    texts << text;
  }
  return texts;
}

const QStringList kEditMenu = {"Rückgängig", "Wiederherstellen", "Ausschneiden", "Kopieren",
                               "Einfügen",   "Löschen",          "Alles auswählen"};

TEST(ToolkitTexts, InstallingTwiceKeepsOneTranslator) {
  ASSERT_TRUE(InstallToolkitTexts(*QCoreApplication::instance()))
      << "Qt's German translation qtbase_de.qm is missing (Debian package qt6-translations-l10n)";
  EXPECT_TRUE(InstallToolkitTexts(*QCoreApplication::instance()));
  EXPECT_EQ(QCoreApplication::instance()->findChildren<QTranslator*>(QStringLiteral("ToolkitTexts")).size(), 1);
}

TEST(ToolkitTexts, ContextMenusOfEntryFieldsAreGerman) {
  // Each menu goes before the field that may own it.
  const auto texts = [](QMenu* created) {
    std::unique_ptr<QMenu> menu(created);
    return MenuTexts(*menu);
  };
  tNumField number;
  EXPECT_EQ(texts(number.createStandardContextMenu()), kEditMenu);
  QLineEdit name;
  EXPECT_EQ(texts(name.createStandardContextMenu()), kEditMenu);
  tTextMemo memo;
  EXPECT_EQ(texts(memo.createStandardContextMenu()), kEditMenu);
}

TEST(ToolkitTexts, StandardDialogButtonsAreGerman) {
  QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save |
                       QDialogButtonBox::Close);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Abbrechen"));
  EXPECT_EQ(box.button(QDialogButtonBox::Save)->text().remove(QLatin1Char('&')), QStringLiteral("Speichern"));
  EXPECT_EQ(box.button(QDialogButtonBox::Close)->text().remove(QLatin1Char('&')), QStringLiteral("Schließen"));

  // The toolkit's own file dialog, as the PDF destination asks for a file.
  QFileDialog dialog(nullptr, QStringLiteral("PDF-Datei speichern"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList buttons;
  tModalDriver driver;
  driver.Then([&](QWidget* w) {
    for (const QPushButton* b : w->findChildren<QPushButton*>())
      if (b->isVisible()) buttons << b->text().remove(QLatin1Char('&'));
    tModalDriver::Dismiss(w);
  });
  dialog.exec();
  EXPECT_TRUE(buttons.contains(QStringLiteral("Speichern"))) << buttons.join(',').toStdString();
  EXPECT_TRUE(buttons.contains(QStringLiteral("Abbrechen"))) << buttons.join(',').toStdString();
}

}  // namespace
