// The dialog "Berechnungen vergleichen": the open calculation and up to
// three calculation files side by side, a column each; a row per figure
// (comparefigures.h), the best value of a row in bold on light green.
//
// "Hinzufügen…" adds files (a file that does not load is named in a
// message and left out), "Entfernen" takes the selected column out (the
// open calculation stays), "Kopieren" (Ctrl+C) puts the table on the
// clipboard as tab-separated text and as an HTML table, "Drucken" shows the
// printout "Vergleich der Berechnungen" in the preview (two columns at
// least). The dialog reads the files; it never writes any.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

#include "comparefigures.h"

class QMimeData;
class QPushButton;
class QTableWidget;
class tTaviDaten;

class tDlgCompare : public QDialog {
  Q_OBJECT

 public:
  // current: the open calculation as the window holds it (copied);
  // currentName: its file name as shown ("Unbenannt" for a new one).
  tDlgCompare(const tTaviDaten& current, const QString& currentName, const QString& currentFile,
              QWidget* parent = nullptr);

  // The files chosen by "Hinzufügen…"; by default Qt's file dialog in the
  // user's documents folder (tests put their own in).
  using tChooser = std::function<QStringList()>;
  void SetChooser(tChooser chooser) { fChooser = std::move(chooser); }

  // Adds a calculation file; false (and a message) when it does not load,
  // is already there or would be a fifth column.
  bool AddFile(const QString& file);
  void RemoveColumn(int column);  // 1 to n-1; the open calculation stays

  const std::vector<tCompareColumn>& Columns() const { return fColumns; }
  QTableWidget* Table() const { return fTable; }
  // The table as the clipboard gets it.
  QMimeData* TableMimeData() const;

  void ActionAddExecute();
  void ActionRemoveExecute();
  void ActionCopyExecute();
  void ActionPrintExecute();

 private:
  void Fill();

  std::vector<tCompareColumn> fColumns;
  QStringList fFiles;  // of the columns; empty for the open calculation
  QString fInfo;       // the printout's report info
  tChooser fChooser;
  QTableWidget* fTable = nullptr;
  QPushButton* fBtnRemove = nullptr;
  QPushButton* fBtnPrint = nullptr;
};
