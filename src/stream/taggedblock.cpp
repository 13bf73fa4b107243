#include "taggedblock.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

uint16_t Get16(std::string_view b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}
uint32_t Get32(std::string_view b, size_t at) {
  return static_cast<uint32_t>(Get16(b, at)) | static_cast<uint32_t>(Get16(b, at + 2)) << 16;
}
void Put16(std::string& b, uint32_t v) {
  b += static_cast<char>(v & 0xFF);
  b += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

}  // namespace

uint32_t Crc32(std::string_view bytes) {
  uint32_t c = 0xFFFFFFFFu;
  for (const char ch : bytes) c = kCrcTable[(c ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

tTaggedBlock::tTaggedBlock(std::string_view name) : fName(name) {
  if (fName.size() != 4) throw std::invalid_argument("tTaggedBlock: the name must have four characters");
}

tTaggedBlock::tReadResult tTaggedBlock::Read(std::string_view bytes) {
  fValues.clear();
  const auto fail = [this](tReadStatus status) {
    fValues.clear();
    return tReadResult{status, 0};
  };
  if (bytes.size() < 4 || bytes.substr(0, 4) != fName) {
    // A block cut inside its name is still this block, cut short.
    const size_t have = std::min<size_t>(bytes.size(), 4);
    if (have < 4 && bytes.substr(0, have) == std::string_view(fName).substr(0, have)) return fail(tReadStatus::Truncated);
    return fail(tReadStatus::OtherName);
  }
  if (bytes.size() < kHeaderSize) return fail(tReadStatus::Truncated);
  // The version decides the layout of what follows the header.
  if (Get16(bytes, 4) != kVersion) return fail(tReadStatus::UnknownVersion);
  const uint32_t length = Get32(bytes, 6);
  if (length > kMaxValuesSize) return fail(tReadStatus::TooLarge);
  const size_t size = kHeaderSize + length + kCheckSize;
  if (bytes.size() < size) return fail(tReadStatus::Truncated);
  if (Crc32(bytes.substr(0, kHeaderSize + length)) != Get32(bytes, kHeaderSize + length))
    return fail(tReadStatus::BadCheckSum);

  const std::string_view values = bytes.substr(kHeaderSize, length);
  size_t at = 0;
  int32_t lastTag = -1;
  while (at < values.size()) {
    if (values.size() - at < 4) return fail(tReadStatus::BadValues);
    const uint16_t tag = Get16(values, at);
    const uint16_t n = Get16(values, at + 2);
    at += 4;
    if (tag <= lastTag || values.size() - at < n) return fail(tReadStatus::BadValues);
    fValues.emplace(tag, std::string(values.substr(at, n)));
    lastTag = tag;
    at += n;
  }
  return tReadResult{tReadStatus::Ok, size};
}

std::string tTaggedBlock::Bytes() const {
  std::string values;
  for (const auto& [tag, bytes] : fValues) {
    Put16(values, tag);
    Put16(values, static_cast<uint32_t>(bytes.size()));
    values += bytes;
  }
  std::string block = fName;
  Put16(block, kVersion);
  Put32(block, static_cast<uint32_t>(values.size()));
  block += values;
  Put32(block, Crc32(block));
  return block;
}

std::optional<std::string_view> tTaggedBlock::Value(uint16_t tag) const {
  const auto it = fValues.find(tag);
  if (it == fValues.end()) return std::nullopt;
  return std::string_view(it->second);
}

void tTaggedBlock::Set(uint16_t tag, std::string_view bytes) {
  if (bytes.size() > 0xFFFF) throw std::length_error("tTaggedBlock: a value takes at most 65535 bytes");
  fValues[tag] = std::string(bytes);
}

void tTaggedBlock::SetInt32(uint16_t tag, int32_t value) {
  std::string bytes;
  Put32(bytes, static_cast<uint32_t>(value));
  Set(tag, bytes);
}

std::optional<int32_t> tTaggedBlock::Int32(uint16_t tag) const {
  const std::optional<std::string_view> bytes = Value(tag);
  if (!bytes || bytes->size() != 4) return std::nullopt;
  return static_cast<int32_t>(Get32(*bytes, 0));
}
