// The main window's commands and menus. Every command is reached from the
// keyboard: the menus by their access letters (Alt+D, Alt+B, Alt+H) or F10,
// the commands by their access letters inside the menus and by the
// shortcuts the menus show.
#include <QAction>
#include <QMenu>

#include "appimages.h"
#include "dlgamortisation.h"
#include "dlgmain.h"

void tDlgMain::BuildActions() {
  const auto make = [this](const char* name, const QString& caption, const QString& hint, const char* image,
                           const QKeySequence& shortcut, void (tDlgMain::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    if (image) action->setIcon(AppIcon(QLatin1String(image)));
    connect(action, &QAction::triggered, this, handler);
    // The window's own: its shortcuts work wherever the focus is in it.
    addAction(action);
    return action;
  };
  const QKeySequence none;
  fActionPrinter = make("ActionPrinter", QStringLiteral("&Druckereinrichtung"), QStringLiteral("Druckereinrichtung"),
                        "TBPRINTER", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &tDlgMain::ActionPrinterExecute);
  fActionExit = make("ActionExit", QStringLiteral("&Beenden"), QStringLiteral("Beenden"), nullptr,
                     QKeySequence(Qt::CTRL | Qt::Key_Q), &tDlgMain::ActionExitExecute);
  fActionCalc = make("ActionCalc", QStringLiteral("&Amortisationsrechnung"), QStringLiteral("Amortisationsrechnung"),
                     "TBCALC", QKeySequence(Qt::Key_F9), &tDlgMain::ActionCalcExecute);
  fPaybackRunner = RunPaybackDialog;
  fActionUserData = make("ActionUserData", QStringLiteral("&Firmendaten"), QStringLiteral("Firmendaten"),
                         "TBUSERDATA", QKeySequence(Qt::CTRL | Qt::Key_F), &tDlgMain::ActionUserDataExecute);
  // F1 itself shows the main window's own page (its help context); the
  // command opens the contents.
  fActionHelp = make("ActionHelp", QStringLiteral("&Hilfe"), QStringLiteral("Hilfe"), "TBHELP", none,
                     &tDlgMain::ActionHelpExecute);
  fActionInfo =
      make("ActionInfo", QStringLiteral("&Info"), QStringLiteral("Info"), "TBINFO", none, &tDlgMain::ActionInfoExecute);
  fActionData = make("ActionData", QStringLiteral("&Grunddaten"), QStringLiteral("Grunddaten"), nullptr,
                     QKeySequence(Qt::CTRL | Qt::Key_1), &tDlgMain::ActionDataExecute);
  fActionZS = make("ActionZS", QStringLiteral("Einsparung &Zeitstudien"),
                   QStringLiteral("Einsparungspotentiale QUANTORIX +  KARU"), nullptr,
                   QKeySequence(Qt::CTRL | Qt::Key_2), &tDlgMain::ActionZSExecute);
  fActionPlanzeiten = make("ActionPlanzeiten", QStringLiteral("Einsparung &Planzeiten"),
                           QStringLiteral("Einsparungspotentiale QUANTORIX +  KARU + TOMVIL"), nullptr,
                           QKeySequence(Qt::CTRL | Qt::Key_3), &tDlgMain::ActionPlanzeitenExecute);
  fActionBegruendung = make("ActionBegruendung", QStringLiteral("&Begründung"), QStringLiteral("Begründung"), nullptr,
                            QKeySequence(Qt::CTRL | Qt::Key_4), &tDlgMain::ActionBegruendungExecute);
}

void tDlgMain::BuildMenus() {
  fMainMenu = new QMenu(this);
  fMainMenu->setObjectName(QStringLiteral("MainMenu"));

  QMenu* datei = fMainMenu->addMenu(QStringLiteral("&Datei"));
  datei->setObjectName(QStringLiteral("MenuDatei"));
  datei->addAction(fActionPrinter);
  datei->addSeparator();
  datei->addAction(fActionExit);

  QMenu* bearbeiten = fMainMenu->addMenu(QStringLiteral("&Bearbeiten"));
  bearbeiten->setObjectName(QStringLiteral("MenuBearbeiten"));
  QMenu* seite = bearbeiten->addMenu(QStringLiteral("&Seite"));
  seite->setObjectName(QStringLiteral("MenuSeite"));
  seite->addAction(fActionData);
  seite->addAction(fActionZS);
  seite->addAction(fActionPlanzeiten);
  seite->addAction(fActionBegruendung);
  bearbeiten->addSeparator();
  bearbeiten->addAction(fActionUserData);
  bearbeiten->addAction(fActionCalc);

  QMenu* hilfe = fMainMenu->addMenu(QStringLiteral("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("MenuHilfe"));
  hilfe->addAction(fActionHelp);
  hilfe->addSeparator();
  hilfe->addAction(fActionInfo);

  fPopupMenu = new QMenu(this);
  fPopupMenu->setObjectName(QStringLiteral("PopupMenu"));
  fPopupMenu->addAction(fActionData);
  fPopupMenu->addAction(fActionZS);
  fPopupMenu->addAction(fActionPlanzeiten);
  fPopupMenu->addAction(fActionBegruendung);
}
