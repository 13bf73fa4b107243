#include "sensitivitytext.h"

#include <cmath>

#include "economicstext.h"
#include "numfmt.h"

const char* const kTargetMet = "im Soll";
const char* const kTargetMissed = "über Soll";
const char* const kBreakEvenNone = "nicht erreichbar";
const char* const kBreakEvenNotUnique = "nicht eindeutig";

namespace {

using tInput = tSensitivityInput;

const std::string kNoFigure(10, '*');

std::string Number(extended value, int decimals) {
  const std::string text = FormatReal(value, 40, decimals);
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

const char* Unit(tInput input) {
  switch (input) {
    case tInput::AnzZS: return "";
    case tInput::DauerZS: return " h";
    case tInput::Stundensatz: return " \u20AC/h";
    case tInput::PotentialVorb:
    case tInput::PotentialDurchf:
    case tInput::PotentialAuswert:
    case tInput::PotentialAnzZS: return " %";
    case tInput::Gesamtkosten:
    case tInput::LaufendeKosten: return " \u20AC";
  }
  return "";
}

}  // namespace

std::string SensitivityCaption(tSensitivityInput input) {
  switch (input) {
    case tInput::AnzZS: return "Zeitstudien pro Jahr";
    case tInput::DauerZS: return "Dauer einer Zeitstudie";
    case tInput::Stundensatz: return "Kostensatz";
    case tInput::PotentialVorb: return "Einsparung Vorbereitung";
    case tInput::PotentialDurchf: return "Einsparung Durchführung";
    case tInput::PotentialAuswert: return "Einsparung Auswertung";
    case tInput::PotentialAnzZS: return "Reduzierung von Zeitstudien";
    case tInput::Gesamtkosten: return "Gesamtkosten";
    case tInput::LaufendeKosten: return "Laufende Kosten pro Jahr";
  }
  return std::string();
}

std::string ComparisonCaption(tComparison c) {
  switch (c) {
    case tComparison::ZSManual: return "Zeitstudiensystem \u2013 Manuelle Datenermittlung";
    case tComparison::PLManual: return "Zeitstudien+Planzeitsystem \u2013 Manuelle Datenermittlung";
    case tComparison::PLZS: return "Zeitstudien+Planzeitsystem \u2013 Zeitstudien";
  }
  return std::string();
}

std::string SensitivityValueText(tSensitivityInput input, extended value, bool clamped) {
  if (!std::isfinite(value)) return kNoFigure;
  return Number(value, InputField(input).Decimals) + Unit(input) + (clamped ? "*" : "");
}

std::string BreakEvenText(tSensitivityInput input, const tBreakEven& b) {
  using tKind = tBreakEven::tKind;
  switch (b.Kind) {
    case tKind::From: return "ab " + SensitivityValueText(input, b.Value);
    case tKind::UpTo: return "bis " + SensitivityValueText(input, b.Value);
    case tKind::NotReachable: return kBreakEvenNone;
    case tKind::NotUnique: return kBreakEvenNotUnique;
    case tKind::Unknown: break;
  }
  return kNoFigure;
}

std::string TargetMarkText(bool within) { return within ? kTargetMet : kTargetMissed; }

std::string MarkedPaybackText(const tEconomicsPayback& payback, int32_t targetMonths) {
  const std::string text = EconomicsPaybackText(payback);
  if (payback.Kind == tEconomicsPayback::tKind::Unknown) return text;
  return text + " \u2013 " + TargetMarkText(WithinTarget(payback, targetMonths));
}

std::string ShortPaybackText(const tEconomicsPayback& payback) {
  if (payback.Kind == tEconomicsPayback::tKind::Months) return Number(payback.Months, 1);
  return EconomicsPaybackText(payback);
}

std::string CaseCaption(tCase k) {
  switch (k) {
    case tCase::Worst: return "Schlechtester Fall";
    case tCase::Base: return "Basisfall";
    case tCase::Best: return "Bester Fall";
  }
  return std::string();
}
