// What TAVI.DAT holds after the calculation record: one tagged block
// (taggedblock.h) named "TAVX" with the inputs that the record's fixed
// layout has no room for. The record's bytes stay exactly as they always
// were, so a program that knows only the record reads the file as before
// (it ignores what follows), and a file without the block loads with the
// defaults.
//
// Tags of the block (each a 32-bit signed value):
//   1  RunningCostsZS   euros per year, 0 to 999999
//   2  RunningCostsPL   euros per year, 0 to 999999
//   3  UsefulLife       years, 1 to 20
//   4  RateTenths       0.1 % per year, 0 to 300
//   5  TargetMonths     months, 1 to 120 (the target payback)
//   6  Percent          %, 5 to 50 (the change of the sensitivity)
// Tags this program does not know are kept and written back unchanged.
//
// Writing: while the inputs are at their defaults and no unknown tag is
// kept, nothing is written (the default TAVI.DAT is 1828 bytes). Tags 1 to
// 4 are written together whenever there is a block; tags 5 and 6 only
// when they differ from their defaults, so that a block without them reads
// the same in every version.
//
// Reading what follows the record:
//   - nothing: the defaults;
//   - one intact block of this version, nothing after it: its values; a
//     missing tag is its default;
//   - anything else (a block cut short, changed bytes, a later version,
//     an out-of-range value, bytes that are no block at all): the inputs
//     keep their defaults, State() says so, and the bytes are kept as they
//     were read and written back unchanged as long as the inputs stay at
//     their defaults. Once the user sets an input, a new block replaces them.
#pragma once

#include <string>
#include <string_view>

#include "economicsinputs.h"
#include "sensitivityinputs.h"
#include "taggedblock.h"

class tDataExtension {
 public:
  enum class tState {
    None,            // nothing followed the record
    Read,            // a block was read
    Damaged,         // what followed is kept but not used
    UnknownVersion,  // a block of a later program version: kept, not used
  };
  static constexpr const char* kBlockName = "TAVX";
  enum : uint16_t {
    kTagRunningCostsZS = 1,
    kTagRunningCostsPL = 2,
    kTagUsefulLife = 3,
    kTagRateTenths = 4,
    kTagTargetMonths = 5,
    kTagPercent = 6,
  };

  tDataExtension() : fBlock(kBlockName) {}

  // Reads the bytes that followed the record into the inputs (which keep
  // their values when nothing usable is found; pass defaults).
  void Read(std::string_view tail, tEconomicsInputs& economics, tSensitivityInputs& sensitivity);
  // The bytes to write after the record.
  std::string Bytes(const tEconomicsInputs& economics, const tSensitivityInputs& sensitivity) const;

  tState State() const { return fState; }
  // The German message for a state that the user must be told about once
  // (Damaged, UnknownVersion); empty for the others.
  std::string Problem() const;

 private:
  tTaggedBlock fBlock;  // as read (with the tags of other versions)
  std::string fKept;    // what followed the record when it could not be used
  tState fState = tState::None;
};
