// The payback dialog's page "Sensitivität": the target payback and the
// change of the inputs, the tornado chart of the chosen comparison (drawn
// by the report code, as on paper), the break-even values of every input
// for the three comparisons, and the three cases of the chosen comparison.
// Every payback is marked within or beyond the target, in words and colour.
//
// The page only collects and shows: leaving one of its two fields calls
// OnChanged, and the dialog then takes Inputs() into the record,
// recomputes and hands the results back through ShowSensitivity. Choosing
// another comparison only shows another part of them. Its help has the
// context number kHelpContext.
//
// Ownership: a child of the dialog's page control; OnChanged must be
// cleared before the dialog's own part goes.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "sensitivity.h"
#include "tornadopicture.h"

class QComboBox;
class QLabel;
class tNumField;
class tPictureView;

class tSensitivityPage : public QWidget {
 public:
  static constexpr int kHelpContext = 2200;
  // Page units (0.1 mm) per pixel of the chart: its text then reads as
  // small print.
  static constexpr double kUnitsPerPixel = 2.4;
  // Rows of the cases: shares, payback, yearly saving, Kapitalwert.
  static constexpr int kCaseRows = 4;

  explicit tSensitivityPage(QWidget* parent = nullptr);

  // Shows the inputs in the fields (values outside a field's range red).
  void SetInputs(const tSensitivityInputs& inputs);
  // The values in use of the two fields.
  tSensitivityInputs Inputs() const;
  void ShowSensitivity(const tSensitivityCalc& sensitivity);

  // The target, the change and the choice of the comparison, in tab order.
  std::array<QWidget*, 3> Fields() const;
  tComparison Chosen() const;
  // What is shown: the break-even value of an input for a comparison, and
  // row `row` of case `k` (of the chosen comparison).
  QString BreakEvenText(tSensitivityInput input, tComparison c) const;
  QString CaseText(tCase k, int row) const;
  // The chart as it was last recorded.
  const tTornadoPicture& Tornado() const { return fTornado; }
  const tPictureView* TornadoView() const { return fTornadoView; }

  // Called when a field is left.
  std::function<void()> OnChanged;

 private:
  void ShowChosen();

  tNumField* fTarget = nullptr;
  tNumField* fPercent = nullptr;
  QComboBox* fComparison = nullptr;
  tTornadoPicture fTornado;
  tPictureView* fTornadoView = nullptr;
  std::array<std::array<QLabel*, kComparisons>, kSensitivityInputs> fBreakEven{};
  std::array<std::array<QLabel*, kCaseRows>, kCases> fCases{};
  QLabel* fCasesTitle = nullptr;
  tSensitivityCalc fShown;
};
