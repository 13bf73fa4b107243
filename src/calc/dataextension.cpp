#include "dataextension.h"

namespace {

// The values of the block, when every tag this program knows holds a value
// of four bytes within its range.
bool TakeInputs(const tTaggedBlock& block, tEconomicsInputs& economics, tSensitivityInputs& sensitivity) {
  tEconomicsInputs read;
  tSensitivityInputs readSensitivity;
  const struct {
    uint16_t tag;
    int32_t* field;
  } fields[] = {{tDataExtension::kTagRunningCostsZS, &read.RunningCostsZS},
                {tDataExtension::kTagRunningCostsPL, &read.RunningCostsPL},
                {tDataExtension::kTagUsefulLife, &read.UsefulLife},
                {tDataExtension::kTagRateTenths, &read.RateTenths},
                {tDataExtension::kTagTargetMonths, &readSensitivity.TargetMonths},
                {tDataExtension::kTagPercent, &readSensitivity.Percent}};
  for (const auto& f : fields) {
    if (!block.Value(f.tag)) continue;  // missing: the default
    const std::optional<int32_t> value = block.Int32(f.tag);
    if (!value) return false;
    *f.field = *value;
  }
  if (!read.InRange() || !readSensitivity.InRange()) return false;
  economics = read;
  sensitivity = readSensitivity;
  return true;
}

}  // namespace

void tDataExtension::Read(std::string_view tail, tEconomicsInputs& economics, tSensitivityInputs& sensitivity) {
  fBlock.Clear();
  fKept.clear();
  if (tail.empty()) {
    fState = tState::None;
    return;
  }
  const tTaggedBlock::tReadResult result = fBlock.Read(tail);
  if (result.Status == tTaggedBlock::tReadStatus::Ok && result.Size == tail.size() &&
      TakeInputs(fBlock, economics, sensitivity)) {
    fState = tState::Read;
    return;
  }
  fBlock.Clear();
  fKept = std::string(tail);
  fState = result.Status == tTaggedBlock::tReadStatus::UnknownVersion ? tState::UnknownVersion : tState::Damaged;
}

std::string tDataExtension::Bytes(const tEconomicsInputs& economics, const tSensitivityInputs& sensitivity) const {
  const bool defaults = economics.IsDefault() && sensitivity.IsDefault();
  if (!fKept.empty() && defaults) return fKept;
  tTaggedBlock block = fBlock;
  for (const uint16_t tag :
       {kTagRunningCostsZS, kTagRunningCostsPL, kTagUsefulLife, kTagRateTenths, kTagTargetMonths, kTagPercent})
    block.Remove(tag);
  // Only tags of other versions left, or none: no block for the defaults.
  if (defaults && block.Empty()) return std::string();
  block.SetInt32(kTagRunningCostsZS, economics.RunningCostsZS);
  block.SetInt32(kTagRunningCostsPL, economics.RunningCostsPL);
  block.SetInt32(kTagUsefulLife, economics.UsefulLife);
  block.SetInt32(kTagRateTenths, economics.RateTenths);
  if (sensitivity.TargetMonths != tSensitivityInputs::kDefaultTarget)
    block.SetInt32(kTagTargetMonths, sensitivity.TargetMonths);
  if (sensitivity.Percent != tSensitivityInputs::kDefaultPercent) block.SetInt32(kTagPercent, sensitivity.Percent);
  return block.Bytes();
}

std::string tDataExtension::Problem() const {
  const std::string what =
      "Die Angaben zur Wirtschaftlichkeit (laufende Kosten, Nutzungsdauer, Kalkulationszinssatz, "
      "Soll-Amortisationszeit, Veränderung der Sensitivität) in der Datendatei ";
  const std::string kept =
      " Es gelten die Vorgaben (keine laufenden Kosten, Nutzungsdauer 5 Jahre, Kalkulationszinssatz 0,0 %, "
      "Soll-Amortisationszeit 24 Monate, Veränderung 20 %). "
      "Die gespeicherten Angaben bleiben in der Datei erhalten, solange Sie keinen dieser Werte ändern.";
  switch (fState) {
    case tState::Damaged:
      return what + "sind beschädigt und werden nicht verwendet." + kept;
    case tState::UnknownVersion:
      return what + "stammen von einer neueren Programmversion und werden nicht verwendet." + kept;
    case tState::None:
    case tState::Read: break;
  }
  return std::string();
}
