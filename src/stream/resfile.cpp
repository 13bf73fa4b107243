#include "resfile.h"

#include <algorithm>
#include <cstring>

#include "codepage.h"

// ------------------------------------------------------------ tResourceIndex

void tResourceIndex::PutItem(tObjStream& stream, const tResourceEntry& e) const {
  stream.WriteInt32(e.Pos);
  stream.WriteInt32(e.Size);
  const bool translate = stream.Translate();
  stream.SetTranslate(false);
  stream.WriteStr(e.Key);
  stream.SetTranslate(translate);
}

tResourceEntry tResourceIndex::GetItem(tObjStream& stream) {
  tResourceEntry e;
  e.Pos = stream.ReadInt32();
  e.Size = stream.ReadInt32();
  const bool translate = stream.Translate();
  stream.SetTranslate(false);
  e.Key = stream.ReadStr();
  stream.SetTranslate(translate);
  return e;
}

// ------------------------------------------------------------- tResourceFile

namespace {
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
int32_t I32(const uint8_t* p) {
  int32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
}  // namespace

tResourceFile::tResourceFile(std::unique_ptr<tObjStream> stream) : fStream(std::move(stream)) {
  tObjStream& s = *fStream;
  if (s.GetStatus() != stOk) return;
  int64_t base = s.Position();
  if (base < 0) return;
  const int64_t size = s.Size();
  // Skip executable images ("MZ") and foreign blocks ("FB" + other) until
  // the resource header ("FBPR"). A block that would not move the base
  // forward ends the scan: its header is broken.
  while (size - 8 >= base) {
    uint8_t h[8];
    s.Seek(base, 0);
    if (s.Read(h, 8) != 8) break;
    int64_t advance = 0;
    if (h[0] == 'M' && h[1] == 'Z') {
      advance = static_cast<int64_t>(U16(h + 4)) * 512 - ((-static_cast<int32_t>(U16(h + 2))) & 511);
    } else if (h[0] == 'F' && h[1] == 'B') {
      if (h[2] == 'P' && h[3] == 'R') {
        fHeaderFound = true;
        break;
      }
      advance = static_cast<int64_t>(I32(h + 4)) + 8;
    } else {
      break;
    }
    if (advance <= 0) break;
    base += advance;
  }
  fBase = base;
  if (!fHeaderFound) return;
  s.Seek(base + 8, 0);
  fIndexPos = s.ReadInt32();
  const int64_t indexAt = base + fIndexPos;
  if (s.GetStatus() != stOk || indexAt < 0 || indexAt > size) return;
  s.Seek(indexAt, 0);
  fIndex.Load(s);
}

std::unique_ptr<tStreamable> tResourceFile::Get(const std::string& key) {
  tResourceEntry probe;
  probe.Key = key;
  int index = 0;
  if (!fIndex.Search(probe, index)) return nullptr;
  const int64_t at = fBase + fIndex.At(index).Pos;
  if (at < 0 || at > fStream->Size()) return nullptr;
  fStream->Seek(at, 0);
  auto object = fStream->Get();
  // An object that could not be read completely is not handed out.
  if (fStream->GetStatus() != stOk) return nullptr;
  return object;
}

void WriteResourceFile(tObjStream& stream,
                       const std::vector<std::pair<std::string, const tStreamable*>>& objects) {
  const int64_t base = stream.Position();
  stream.Write("FBPR", 4);
  stream.WriteInt32(0);
  stream.WriteInt32(0);
  tResourceIndex index;
  for (const auto& [key, object] : objects) {
    tResourceEntry e;
    e.Key = key;
    e.Pos = static_cast<int32_t>(stream.Position() - base);
    stream.Put(object);
    e.Size = static_cast<int32_t>(stream.Position() - base - e.Pos);
    index.Insert(e);
  }
  const int64_t indexPos = stream.Position() - base;
  index.Store(stream);
  const int64_t end = stream.Position();
  stream.Seek(base + 4, 0);
  stream.WriteInt32(static_cast<int32_t>(end - base - 8));
  stream.WriteInt32(static_cast<int32_t>(indexPos));
  stream.Seek(end, 0);
}

// ------------------------------------------------------------ tObjStringList

tObjStringList::tObjStringList(std::map<uint16_t, std::string> strings) : fMemory(std::move(strings)) {
  // Consecutive numbers form one run.
  uint32_t offset = 0;
  for (auto it = fMemory.begin(); it != fMemory.end(); ++it) {
    const bool continues = !fEntries.empty() &&
                           static_cast<uint32_t>(fEntries.back().First) + fEntries.back().Count == it->first;
    if (continues) {
      ++fEntries.back().Count;
    } else {
      if (offset > 0xFFFF) throw EStreamLibError("Zu viele Texte für eine Sprachdatei");
      fEntries.push_back({it->first, 1, static_cast<uint16_t>(offset)});
    }
    offset += 1 + static_cast<uint32_t>(std::min<size_t>(it->second.size(), 255));
  }
  if (offset > 0xFFFF) throw EStreamLibError("Zu viele Texte für eine Sprachdatei");
}

std::string tObjStringList::BlockBytes(int64_t offset, int64_t count) const {
  count = std::min<int64_t>(count, static_cast<int64_t>(fBlockSize) - offset);
  if (offset < 0 || count <= 0) return {};
  if (!fStream) {
    if (offset >= static_cast<int64_t>(fBlock.size())) return {};
    return fBlock.substr(static_cast<size_t>(offset), static_cast<size_t>(count));
  }
  std::string bytes(static_cast<size_t>(count), '\0');
  fStream->Seek(fBlockPos + offset, 0);
  const int32_t got = fStream->Read(bytes.data(), static_cast<int32_t>(count));
  bytes.resize(static_cast<size_t>(got > 0 ? got : 0));
  return bytes;
}

void tObjStringList::Store(tObjStream& stream) const {
  std::string block;
  if (fStored) {
    // The stored form as it was read, runs and all.
    block = BlockBytes(0, fBlockSize);
  } else {
    for (const auto& [n, text] : fMemory) {
      std::string s = text.substr(0, 255);
      codepage::TranslateTo437(s);
      block += static_cast<char>(s.size());
      block += s;
    }
  }
  stream.WriteUInt16(static_cast<uint16_t>(block.size()));
  stream.Write(block.data(), static_cast<int32_t>(block.size()));
  stream.WriteUInt16(static_cast<uint16_t>(fEntries.size()));
  for (const Entry& e : fEntries) {
    stream.WriteUInt16(e.First);
    stream.WriteUInt16(e.Count);
    stream.WriteUInt16(e.Offset);
  }
}

void tObjStringList::Load(tObjStream& stream) {
  fEntries.clear();
  fMemory.clear();
  fBlock.clear();
  fStored = true;
  fStream = nullptr;
  fBlockSize = stream.ReadUInt16();
  if (stream.GetStatus() == stOk && fBlockSize > stream.Remaining()) stream.SetStatus(stReadError);
  if (stream.GetStatus() != stOk) {
    fBlockSize = 0;
    return;
  }
  if (dynamic_cast<tObjFileStream*>(&stream)) {
    // The file stays open while the list is in use: strings are read on
    // demand.
    fStream = &stream;
    fBlockPos = stream.Position();
    stream.Seek(fBlockSize, 1);
  } else {
    // Any other stream is a passing buffer (a copy's, for one): keep the block.
    fBlock.resize(fBlockSize);
    stream.Read(fBlock.data(), fBlockSize);
  }
  const uint16_t count = stream.ReadUInt16();
  if (stream.GetStatus() != stOk) return;
  if (static_cast<int64_t>(count) * 6 > stream.Remaining()) {
    stream.SetStatus(stReadError);
    return;
  }
  fEntries.reserve(count);
  for (uint16_t i = 0; i < count && stream.GetStatus() == stOk; ++i) {
    Entry e;
    e.First = stream.ReadUInt16();
    e.Count = stream.ReadUInt16();
    e.Offset = stream.ReadUInt16();
    fEntries.push_back(e);
  }
}

std::string tObjStringList::Get(uint16_t n) const {
  for (const Entry& e : fEntries) {
    if (!(e.First <= n && n < static_cast<uint32_t>(e.First) + e.Count)) continue;
    if (!fStored) {
      const auto it = fMemory.find(n);
      return it == fMemory.end() ? std::string() : it->second;
    }
    // Step over the run's strings before n; a run that leaves the block is
    // broken.
    int64_t pos = e.Offset;
    for (uint32_t i = e.First;; ++i) {
      const std::string length = BlockBytes(pos, 1);
      if (length.empty()) return {};
      const auto len = static_cast<uint8_t>(length[0]);
      if (pos + 1 + len > fBlockSize) return {};
      if (i == n) {
        std::string s = BlockBytes(pos + 1, len);
        codepage::TranslateFrom437(s);
        return s;
      }
      pos += 1 + len;
    }
  }
  return {};
}

std::unique_ptr<tStreamable> tObjStringList::Clone() const {
  if (!fStored) return std::make_unique<tObjStringList>(fMemory);
  auto copy = std::make_unique<tObjStringList>();
  copy->fStored = true;
  copy->fEntries = fEntries;
  copy->fBlock = BlockBytes(0, fBlockSize);
  copy->fBlockSize = static_cast<uint16_t>(copy->fBlock.size());
  return copy;
}

void RegisterLanguageStringListType() {
  static tStreamRec rec{52, &BuildAndLoad<tObjStringList>, nullptr};
  RegisterType(rec);
}

// ------------------------------------------------------------- language file

namespace {
struct LoadedLanguage {
  std::unique_ptr<tResourceFile> file;
  std::unique_ptr<tStreamable> object;
  const tObjStringList* strings = nullptr;
};
std::unique_ptr<LoadedLanguage>& Language() {
  static std::unique_ptr<LoadedLanguage> language;
  return language;
}
}  // namespace

void ReleaseLanguageFile() {
  auto& language = Language();
  if (!language) return;
  language->object.reset();  // the list refers to the file's stream
  language.reset();
}

void LoadLanguageFile(const std::string& fileName) {
  ReleaseLanguageFile();
  auto loaded = std::make_unique<LoadedLanguage>();
  try {
    loaded->file = std::make_unique<tResourceFile>(std::make_unique<tObjFileStream>(fileName, 32));
    loaded->object = loaded->file->Get("Strings");
  } catch (const std::exception&) {
    loaded->object.reset();
  }
  loaded->strings = dynamic_cast<const tObjStringList*>(loaded->object.get());
  if (!loaded->strings) {
    loaded->object.reset();
    throw EStreamLibError("Fehler beim Öffnen der Sprachdatei");
  }
  Language() = std::move(loaded);
}

bool LanguageFileLoaded() { return Language() != nullptr; }

std::string LanguageString(uint16_t n) {
  const auto& language = Language();
  if (!language) return {};
  return codepage::Cp1252ToUtf8(language->strings->Get(n));
}
