// Tagged blocks: their bytes, and what a reader makes of damaged ones.
#include <gtest/gtest.h>

#include "taggedblock.h"

namespace {

using tStatus = tTaggedBlock::tReadStatus;

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += static_cast<char>(v);
  return s;
}

TEST(TaggedBlock, CheckSumIsTheCrc32OfZipAndPng) {
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(Crc32(""), 0u);
}

TEST(TaggedBlock, Layout) {
  tTaggedBlock block("TEST");
  block.SetInt32(2, -2);
  block.Set(1, "ab");
  const std::string bytes = block.Bytes();
  // Name, version 1, length 14, tag 1 (2 bytes "ab"), tag 2 (4 bytes), CRC.
  const std::string body = "TEST" + Bytes({1, 0, 14, 0, 0, 0}) + Bytes({1, 0, 2, 0}) + "ab" +
                           Bytes({2, 0, 4, 0, 0xFE, 0xFF, 0xFF, 0xFF});
  ASSERT_EQ(bytes.substr(0, body.size()), body);
  const uint32_t crc = Crc32(body);
  EXPECT_EQ(bytes.substr(body.size()), Bytes({int(crc & 0xFF), int(crc >> 8 & 0xFF), int(crc >> 16 & 0xFF),
                                              int(crc >> 24)}));

  tTaggedBlock back("TEST");
  const tTaggedBlock::tReadResult read = back.Read(bytes + "more");
  EXPECT_EQ(read.Status, tStatus::Ok);
  EXPECT_EQ(read.Size, bytes.size());
  EXPECT_EQ(back.Int32(2), -2);
  EXPECT_EQ(back.Int32(1), std::nullopt);  // two bytes are no 32-bit value
  EXPECT_EQ(back.Value(1), std::optional<std::string_view>("ab"));
  EXPECT_EQ(back.Bytes(), bytes);
}

// A block whose header says `length` and whose values are `values`, with a
// checksum that fits.
std::string Sealed(const std::string& values, int version = 1) {
  std::string b = "TEST" + Bytes({version, 0});
  const auto n = static_cast<uint32_t>(values.size());
  b += Bytes({int(n & 0xFF), int(n >> 8 & 0xFF), int(n >> 16 & 0xFF), int(n >> 24)}) + values;
  const uint32_t crc = Crc32(b);
  return b + Bytes({int(crc & 0xFF), int(crc >> 8 & 0xFF), int(crc >> 16 & 0xFF), int(crc >> 24)});
}

TEST(TaggedBlock, WhatAReaderFinds) {
  tTaggedBlock good("TEST");
  good.SetInt32(5, 7);
  const std::string ok = good.Bytes();
  std::string changed = ok;
  changed[12] ^= 1;
  const struct {
    const char* what;
    std::string bytes;
    tStatus status;
  } cases[] = {
      {"leer", "", tStatus::Truncated},
      {"Name angefangen", "TE", tStatus::Truncated},
      {"anderer Name", "TAVI" + ok.substr(4), tStatus::OtherName},
      {"Kopf unvollständig", ok.substr(0, 8), tStatus::Truncated},
      {"Werte fehlen", ok.substr(0, ok.size() - 1), tStatus::Truncated},
      {"spätere Version", "TEST" + Bytes({2, 0, 0, 0, 0, 0}), tStatus::UnknownVersion},
      {"Länge über 1 MiB", "TEST" + Bytes({1, 0, 1, 0, 0x10, 0}), tStatus::TooLarge},
      {"Bit gekippt", changed, tStatus::BadCheckSum},
      {"Wert länger als der Block", Sealed(Bytes({1, 0, 9, 0, 'x'})), tStatus::BadValues},
      {"Rest eines Eintrags", Sealed(Bytes({1, 0, 0, 0, 9})), tStatus::BadValues},
      {"Tags absteigend", Sealed(Bytes({2, 0, 0, 0, 1, 0, 0, 0})), tStatus::BadValues},
      {"Tag doppelt", Sealed(Bytes({1, 0, 0, 0, 1, 0, 0, 0})), tStatus::BadValues},
      {"keine Werte", Sealed(""), tStatus::Ok},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tTaggedBlock block("TEST");
    block.SetInt32(9, 9);  // left over from before: a failed read leaves nothing
    EXPECT_EQ(block.Read(c.bytes).Status, c.status);
    EXPECT_TRUE(block.Empty());
  }
}

}  // namespace
