// The payback dialog's page "Wirtschaftlichkeit": the four inputs of the
// economic appraisal (running costs of both configurations per year,
// useful life, discount rate) and, for each of the three comparisons, the
// figures of economics.h as economicstext.h writes them.
//
// The page only collects and shows: leaving one of its fields calls
// OnChanged, and the dialog then takes Inputs() into the record,
// recomputes and hands the figures back through ShowFigures. Its help has
// the context number kHelpContext.
//
// Ownership: a child of the dialog's page control; OnChanged must be
// cleared before the dialog's own part goes.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "economics.h"
#include "economicstext.h"

class QLabel;
class tNumField;

class tEconomicsPage : public QWidget {
 public:
  static constexpr int kHelpContext = 2100;
  // The figures in the order of their rows.
  static constexpr int kRows = kEconomicsFigures;

  explicit tEconomicsPage(QWidget* parent = nullptr);

  // Shows the inputs in the fields (values outside a field's range are
  // shown red, as every field does).
  void SetInputs(const tEconomicsInputs& inputs);
  // The values in use of the four fields.
  tEconomicsInputs Inputs() const;
  void ShowFigures(const tEconomicsCalc& economics);

  // The four fields in tab order.
  std::array<tNumField*, 4> Fields() const { return {fRunningZS, fRunningPL, fLife, fRate}; }
  // The text shown for figure `row` of comparison `column`.
  QString FigureText(int row, int column) const;

  // Called when a field is left.
  std::function<void()> OnChanged;

 private:
  tNumField* fRunningZS = nullptr;
  tNumField* fRunningPL = nullptr;
  tNumField* fLife = nullptr;
  tNumField* fRate = nullptr;
  std::array<std::array<QLabel*, kComparisons>, kRows> fValues{};
};
