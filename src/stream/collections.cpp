#include "collections.h"

#include <algorithm>
#include <cctype>

const char* const kListIndexError = "Listenindex außerhalb des gültigen Bereichs.";
const char* const kListOverflowError = "Liste kann nicht weiter wachsen.";
const char* const kListUnknownError = "Unbekannter Fehler beim Zugriff auf eine Liste";

// ---------------------------------------------------------------- tCollection

uint8_t tCollection::GetState() const {
  if (fState) return fState;
  for (const auto& item : fItems)
    if (item && item->GetState()) return item->GetState();
  return 0;
}

void tCollection::ClearState(uint8_t flags) {
  tStreamable::ClearState(flags);
  for (auto& item : fItems)
    if (item) item->ClearState(flags);
}

int32_t tCollection::Query(int32_t a, int32_t b) {
  for (auto& item : fItems) {
    if (!item) continue;
    const int32_t answer = item->Query(a, b);
    if (answer != -1) return answer;
  }
  return -1;
}

void tCollection::PutItem(tObjStream& stream, const std::unique_ptr<tStreamable>& item) const {
  stream.Put(item.get());
}

std::unique_ptr<tStreamable> tCollection::GetItem(tObjStream& stream) { return stream.Get(); }

// ------------------------------------------------------------ string order

namespace {

// Collation of one 1252 byte: up to two primary letters (for æ, ß and the
// like), an accent weight and a case weight.
struct Collation {
  uint16_t primary[2] = {0, 0};
  uint8_t accent = 0;
  uint8_t upper = 0;
};

uint16_t Letter(char c) { return static_cast<uint16_t>(0x200 + (c - 'a')); }

Collation Collate(uint8_t b) {
  Collation c;
  auto letter = [&](char base, uint8_t accent, bool upper, char second = 0) {
    c.primary[0] = Letter(base);
    if (second) c.primary[1] = Letter(second);
    c.accent = accent;
    c.upper = upper ? 1 : 0;
  };
  if (b >= 'a' && b <= 'z') {
    letter(static_cast<char>(b), 0, false);
  } else if (b >= 'A' && b <= 'Z') {
    letter(static_cast<char>(b - 'A' + 'a'), 0, true);
  } else if (b >= '0' && b <= '9') {
    c.primary[0] = static_cast<uint16_t>(0x100 + (b - '0'));
  } else if (b >= 0xC0) {
    // Latin-1 letters: base letter, then an accent weight by position.
    static const char* const kBase = "aaaaaaACeeeeiiiiDnooooo*ouuuuyTSaaaaaaACeeeeiiiiDnooooo/ouuuuyTy";
    const uint8_t i = static_cast<uint8_t>(b - 0xC0);
    const bool upper = i < 0x1F && b != 0xDF;
    const char base = kBase[i];
    const uint8_t accent = static_cast<uint8_t>(1 + (i & 0x1F));
    switch (base) {
      case 'A': letter('a', 0x40, upper, 'e'); break;  // æ
      case 'C': letter('c', accent, upper); break;
      case 'D': letter('d', accent, upper); break;
      case 'T': letter('t', 0x40, upper, 'h'); break;  // þ
      case 'S': letter('s', 0x40, false, 's'); break;  // ß
      case '*':
      case '/': c.primary[0] = b; break;  // × ÷
      default: letter(base, accent, upper); break;
    }
  } else {
    switch (b) {
      case 0x83: letter('f', 0x41, false); break;
      case 0x8A: letter('s', 0x42, true); break;
      case 0x9A: letter('s', 0x42, false); break;
      case 0x8C: letter('o', 0x43, true, 'e'); break;
      case 0x9C: letter('o', 0x43, false, 'e'); break;
      case 0x8E: letter('z', 0x42, true); break;
      case 0x9E: letter('z', 0x42, false); break;
      case 0x9F: letter('y', 0x44, true); break;
      default: c.primary[0] = b; break;  // blanks and punctuation sort first
    }
  }
  return c;
}

template <class Key>
int CompareLevel(const std::string& a, const std::string& b, Key key) {
  std::vector<uint16_t> ka, kb;
  for (char ch : a) key(Collate(static_cast<uint8_t>(ch)), ka);
  for (char ch : b) key(Collate(static_cast<uint8_t>(ch)), kb);
  const auto r = std::lexicographical_compare_three_way(ka.begin(), ka.end(), kb.begin(), kb.end());
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

}  // namespace

int CompareLocale1252(const std::string& a, const std::string& b) {
  if (int r = CompareLevel(a, b, [](const Collation& c, std::vector<uint16_t>& k) {
        k.push_back(c.primary[0]);
        if (c.primary[1]) k.push_back(c.primary[1]);
      }))
    return r;
  if (int r = CompareLevel(a, b, [](const Collation& c, std::vector<uint16_t>& k) { k.push_back(c.accent); }))
    return r;
  if (int r = CompareLevel(a, b, [](const Collation& c, std::vector<uint16_t>& k) { k.push_back(c.upper); }))
    return r;
  const int r = a.compare(b);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// ---------------------------------------------------- tStrUnsortedCollection

int tStrUnsortedCollection::IndexOf(const std::string& s) const {
  const auto it = std::find(fItems.begin(), fItems.end(), s);
  return it == fItems.end() ? -1 : static_cast<int>(it - fItems.begin());
}

// ---------------------------------------------------------- TExItemCollection

void TExItemCollection::Store(tObjStream& stream) const {
  stream.WriteByte(ExFlag);
  tItemCollection::Store(stream);
}

void TExItemCollection::Load(tObjStream& stream) {
  ExFlag = stream.ReadByte(ExFlag);
  tItemCollection::Load(stream);
}

// -------------------------------------------------------------- tMarkierungen

void tMarkierungen::SetBit(int32_t bit, bool on) {
  if (bit < 0) throw EListError(kListIndexError);
  const int32_t block = bit / 64;
  while (Count() <= block) Insert(std::array<uint8_t, 8>{});
  auto& bytes = fItems[static_cast<size_t>(block)];
  const uint8_t mask = static_cast<uint8_t>(0x80u >> (bit % 8));
  uint8_t& byte = bytes[static_cast<size_t>((bit % 64) / 8)];
  byte = on ? static_cast<uint8_t>(byte | mask) : static_cast<uint8_t>(byte & ~mask);
  if (bit >= fBits) fBits = bit + 1;
}

bool tMarkierungen::GetBit(int32_t bit) const {
  if (bit < 0 || bit >= fBits || bit / 64 >= Count()) return false;
  const auto& bytes = fItems[static_cast<size_t>(bit / 64)];
  return (bytes[static_cast<size_t>((bit % 64) / 8)] & (0x80u >> (bit % 8))) != 0;
}

void tMarkierungen::Store(tObjStream& stream) const {
  tBasicCollection::Store(stream);
  stream.WriteInt32(fBits);
}

void tMarkierungen::Load(tObjStream& stream) {
  tBasicCollection::Load(stream);
  fBits = 0;
  const int32_t bits = stream.ReadInt32();
  if (stream.GetStatus() != stOk) return;
  if (bits < 0 || bits > static_cast<int32_t>(Count()) * 64) {
    stream.SetStatus(stBadData);
    return;
  }
  fBits = bits;
}

void tMarkierungen::PutItem(tObjStream& stream, const std::array<uint8_t, 8>& item) const {
  stream.Write(item.data(), 8);
}

std::array<uint8_t, 8> tMarkierungen::GetItem(tObjStream& stream) {
  std::array<uint8_t, 8> item{};
  stream.Read(item.data(), 8);
  return item;
}
