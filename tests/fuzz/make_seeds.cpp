// make_seeds <folder>
// Writes the seed inputs of the fuzz targets, one subfolder per target:
// data files, language files and a stored object of every library class.
#include <filesystem>
#include <iostream>
#include <string>

#include "collections.h"
#include "resfile.h"
#include "tavidaten.h"

namespace {

std::filesystem::path gRoot;

void Save(const std::string& target, const std::string& name, const std::string& bytes) {
  const auto folder = gRoot / target;
  std::filesystem::create_directories(folder);
  tObjFileStream out((folder / name).string(), tObjFileStream::fmCreate);
  out.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
  if (out.GetStatus() != stOk) throw std::runtime_error("cannot write " + (folder / name).string());
}

std::string Put(const tStreamable& object) {
  tObjMemoryStream m;
  m.Put(&object);
  return m.Bytes();
}

std::string Stored(const tTaviDaten& record) {
  tObjMemoryStream m;
  record.Store(m);
  return m.Bytes();
}

// The record and what follows it in the data file.
std::string StoredFile(const tTaviDaten& record) {
  tObjMemoryStream m;
  record.StoreDataFile(m);
  return m.Bytes();
}

std::string Resources(const std::string& prefix,
                      const std::vector<std::pair<std::string, const tStreamable*>>& objects) {
  tObjMemoryStream m;
  m.Write(prefix.data(), static_cast<int32_t>(prefix.size()));
  WriteResourceFile(m, objects);
  return m.Bytes();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_seeds <folder>\n";
    return 2;
  }
  gRoot = argv[1];
  try {
    // The data file: defaults, a filled record, one cut short.
    tTaviDaten record;
    Save("fuzz_datafile", "default.dat", Stored(record));
    record.SetAnwendername("Anwender");
    record.SetFirmenname("Müller");
    record.BegruendungInvestition.SetText("Zeile 1\r\nZeile 2\r\n\r\nÄnderung");
    record.BegruendungAnzahlZS.Clear();
    record.AnzZS = 120;
    record.DauerZS = 7.5L;
    record.AnteilVorb = 30;
    record.AnteilDurchf = 40;
    record.Stundensatz = 50;
    const std::string filled = Stored(record);
    Save("fuzz_datafile", "filled.dat", filled);
    Save("fuzz_datafile", "short.dat", filled.substr(0, 40));
    // With the block of the appraisal's inputs.
    record.Economics.RunningCostsZS = 1200;
    record.Economics.RunningCostsPL = 2400;
    record.Economics.RateTenths = 60;
    Save("fuzz_datafile", "economics.dat", StoredFile(record));

    // Collections and the other library classes, by class id.
    tCollection objects;
    objects.Insert(std::make_unique<tStreamItem>());
    objects.Insert(nullptr);
    auto inner = std::make_unique<tCollection>(2, 2);
    inner->Insert(std::make_unique<tStreamItem>());
    objects.Insert(std::move(inner));
    Save("fuzz_get", "collection.bin", Put(objects));
    tStringCollection sorted;
    for (const char* s : {"Zahl", "\xC4pfel", "apfel", ""}) sorted.Insert(s);
    Save("fuzz_get", "stringcollection.bin", Put(sorted));
    tStrUnsortedCollection unsorted;
    for (const char* s : {"b", "a", "b"}) unsorted.Insert(s);
    Save("fuzz_get", "strunsorted.bin", Put(unsorted));
    tItemCollection items;
    items.Add(1);
    items.Add(-1);
    Save("fuzz_get", "itemcollection.bin", Put(items));
    TExItemCollection exItems;
    exItems.ExFlag = 1;
    exItems.Add(7);
    Save("fuzz_get", "exitemcollection.bin", Put(exItems));
    tSortedItemCollection sortedItems;
    sortedItems.Duplicates = true;
    for (int v : {5, 3, 5}) sortedItems.Insert(v);
    Save("fuzz_get", "sorteditems.bin", Put(sortedItems));
    tMarkierungen marks;
    marks.SetBit(0, true);
    marks.SetBit(70, true);
    Save("fuzz_get", "markierungen.bin", Put(marks));
    const tObjStringList strings({{1, "Gr\xF6\xDF" "e"}, {2, "Ma\xDF"}, {3, ""}, {10, "zehn"}});
    Save("fuzz_get", "stringlist.bin", Put(strings));
    Save("fuzz_get", "streamitem.bin", Put(tStreamItem()));
    Save("fuzz_get", "record.bin", Put(record));

    // Language files: plain, and behind an image and a foreign block.
    Save("fuzz_resfile", "TAVI.049", Resources("", {{"Strings", &strings}}));
    const std::string image = std::string("MZ\x64\0\x01\0", 6) + std::string(94, '\0');
    const std::string foreign = std::string("FBXY\x04\0\0\0", 8) + "1234";
    Save("fuzz_resfile", "behind-image.049",
         Resources(image + foreign, {{"Strings", &strings}, {"Zahlen", &items}}));
    Save("fuzz_resfile", "no-strings.049", Resources("", {{"Zahlen", &items}}));
  } catch (const std::exception& e) {
    std::cerr << "make_seeds: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
