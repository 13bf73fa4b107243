// A tagged block: a small self-describing package of values by tag, for
// data that a file format gains after the fact. It can follow other data
// (the record of TAVI.DAT) or stand in a row with others, since it says how
// long it is. Layout, all numbers little-endian and unsigned:
//
//   offset   size  content
//   0        4     name: four ASCII bytes saying what the block holds
//   4        2     version of this layout (kVersion)
//   6        4     length n of the values
//   10       n     the values, each: tag (2 bytes), size s (2 bytes), s bytes;
//                  tags ascending, each at most once
//   10 + n   4     CRC-32 (IEEE 802.3, the checksum of zip and PNG) of the
//                  bytes 0 to 10 + n - 1
//
// New kinds of values get new tags; the version changes only when this
// layout does. A reader takes the tags it knows and keeps the others as
// they are, so that writing the block back loses nothing.
//
// Errors: Read answers what is wrong and leaves the block empty; nothing
// raises except std::bad_alloc.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// CRC-32 of the bytes (reflected polynomial 0xEDB88320, initial value and
// final XOR 0xFFFFFFFF): Crc32("123456789") is 0xCBF43926.
uint32_t Crc32(std::string_view bytes);

class tTaggedBlock {
 public:
  static constexpr uint16_t kVersion = 1;
  static constexpr size_t kHeaderSize = 10;
  static constexpr size_t kCheckSize = 4;
  // The values of one block take at most this many bytes.
  static constexpr uint32_t kMaxValuesSize = 1u << 20;

  enum class tReadStatus {
    Ok,
    OtherName,       // the bytes do not start with this block's name
    Truncated,       // fewer bytes than the block says it has
    UnknownVersion,  // a later layout: its extent and values are not known
    BadCheckSum,     // the bytes changed after they were written
    BadValues,       // the checksum fits, the values do not (sizes, order)
    TooLarge,        // the values would take more than kMaxValuesSize
  };
  struct tReadResult {
    tReadStatus Status = tReadStatus::Ok;
    size_t Size = 0;  // bytes the block takes (when Ok)
  };

  // name: exactly four ASCII characters.
  explicit tTaggedBlock(std::string_view name);

  const std::string& Name() const { return fName; }

  // Reads the block at the start of `bytes` (more may follow it). On
  // success the values are the block's; otherwise there are none.
  tReadResult Read(std::string_view bytes);
  // The block as stored.
  std::string Bytes() const;

  bool Empty() const { return fValues.empty(); }
  const std::map<uint16_t, std::string>& Values() const { return fValues; }
  std::optional<std::string_view> Value(uint16_t tag) const;
  // A value of at most 65535 bytes.
  void Set(uint16_t tag, std::string_view bytes);
  void Remove(uint16_t tag) { fValues.erase(tag); }
  void Clear() { fValues.clear(); }

  // 32-bit signed values (four bytes). Int32 is empty when the tag is
  // missing or holds other than four bytes.
  void SetInt32(uint16_t tag, int32_t value);
  std::optional<int32_t> Int32(uint16_t tag) const;

 private:
  std::string fName;
  std::map<uint16_t, std::string> fValues;
};
