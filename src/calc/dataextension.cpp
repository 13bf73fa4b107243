#include "dataextension.h"

namespace {

// The values of the block, when every tag this program knows holds a value
// of four bytes within its range.
bool TakeInputs(const tTaggedBlock& block, tEconomicsInputs& inputs) {
  tEconomicsInputs read;
  const struct {
    uint16_t tag;
    int32_t* field;
  } fields[] = {{tDataExtension::kTagRunningCostsZS, &read.RunningCostsZS},
                {tDataExtension::kTagRunningCostsPL, &read.RunningCostsPL},
                {tDataExtension::kTagUsefulLife, &read.UsefulLife},
                {tDataExtension::kTagRateTenths, &read.RateTenths}};
  for (const auto& f : fields) {
    if (!block.Value(f.tag)) continue;  // missing: the default
    const std::optional<int32_t> value = block.Int32(f.tag);
    if (!value) return false;
    *f.field = *value;
  }
  if (!read.InRange()) return false;
  inputs = read;
  return true;
}

}  // namespace

void tDataExtension::Read(std::string_view tail, tEconomicsInputs& inputs) {
  fBlock.Clear();
  fKept.clear();
  if (tail.empty()) {
    fState = tState::None;
    return;
  }
  const tTaggedBlock::tReadResult result = fBlock.Read(tail);
  if (result.Status == tTaggedBlock::tReadStatus::Ok && result.Size == tail.size() && TakeInputs(fBlock, inputs)) {
    fState = tState::Read;
    return;
  }
  fBlock.Clear();
  fKept = std::string(tail);
  fState = result.Status == tTaggedBlock::tReadStatus::UnknownVersion ? tState::UnknownVersion : tState::Damaged;
}

std::string tDataExtension::Bytes(const tEconomicsInputs& inputs) const {
  if (!fKept.empty() && inputs.IsDefault()) return fKept;
  tTaggedBlock block = fBlock;
  for (const uint16_t tag : {kTagRunningCostsZS, kTagRunningCostsPL, kTagUsefulLife, kTagRateTenths})
    block.Remove(tag);
  // Only tags of other versions left, or none: no block for the defaults.
  if (inputs.IsDefault() && block.Empty()) return std::string();
  block.SetInt32(kTagRunningCostsZS, inputs.RunningCostsZS);
  block.SetInt32(kTagRunningCostsPL, inputs.RunningCostsPL);
  block.SetInt32(kTagUsefulLife, inputs.UsefulLife);
  block.SetInt32(kTagRateTenths, inputs.RateTenths);
  return block.Bytes();
}

std::string tDataExtension::Problem() const {
  const std::string kept =
      " Es gelten die Vorgaben (keine laufenden Kosten, Nutzungsdauer 5 Jahre, Kalkulationszinssatz 0,0 %). "
      "Die gespeicherten Angaben bleiben in der Datei erhalten, solange Sie keinen dieser Werte ändern.";
  switch (fState) {
    case tState::Damaged:
      return "Die Angaben zur Wirtschaftlichkeit (laufende Kosten, Nutzungsdauer, Kalkulationszinssatz) in der "
             "Datendatei sind beschädigt und werden nicht verwendet." + kept;
    case tState::UnknownVersion:
      return "Die Angaben zur Wirtschaftlichkeit (laufende Kosten, Nutzungsdauer, Kalkulationszinssatz) in der "
             "Datendatei stammen von einer neueren Programmversion und werden nicht verwendet." + kept;
    case tState::None:
    case tState::Read: break;
  }
  return std::string();
}
