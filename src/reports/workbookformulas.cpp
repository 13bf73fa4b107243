#include "workbookformulas.h"

namespace wbformula {

std::string RoundHalfEven(const std::string& x) {
  const std::string p = "(" + x + ")";
  return "IF(ABS(" + p + "-TRUNC(" + p + "))=0.5,2*ROUND(" + p + "/2,0),ROUND(" + p + ",0))";
}

std::string CumulatedPL(const std::string& m) {
  const std::string p = "(" + m + ")";
  return "IF(" + p + "<=BeginnReduzierung," + p + "*MonthlyZS+CostsPL," + "IF(" + p +
         "<=BeginnReduzierung+AufwandPLSyst,"
         "BeginnReduzierung*MonthlyZS+CostsPL+(" + p + "-BeginnReduzierung)*MonthlyZS-(" + p +
         "-BeginnReduzierung)*(" + p + "-BeginnReduzierung+1)/2*Reduktionsstufe,"
         "BeginnReduzierung*MonthlyZS+CostsPL+AufwandPLSyst*MonthlyZS-AufwandPLSyst*(AufwandPLSyst+1)/2*"
         "Reduktionsstufe+(" + p + "-BeginnReduzierung-AufwandPLSyst)*MonthlyPLFull))";
}

namespace {

std::string TimeStudyWithRunning(const std::string& p) {
  return "(" + p + "*MonthlyZS+CostsZS+" + p + "*LaufendeKostenZS/12)";
}
std::string PlannedWithRunning(const std::string& p) {
  return "(" + CumulatedPL(p) + "+" + p + "*LaufendeKostenPL/12)";
}

}  // namespace

std::string Advantage(int comparison, const std::string& m) {
  const std::string p = "(" + m + ")";
  switch (comparison) {
    case 1: return p + "*MonthlyManual-" + TimeStudyWithRunning(p);
    case 2: return p + "*MonthlyManual-" + PlannedWithRunning(p);
    default: return TimeStudyWithRunning(p) + "-" + PlannedWithRunning(p);
  }
}

}  // namespace wbformula
