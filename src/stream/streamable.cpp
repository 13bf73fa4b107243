#include "streamable.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "collections.h"

// ---------------------------------------------------------------- tStreamable

tStreamable& tStreamable::SetState(uint8_t flags) {
  fState |= flags;
  return *this;
}

uint8_t tStreamable::GetState() const { return fState; }

uint16_t tStreamable::GetClassID() const {
  throw EClassIdError("Für die Klasse " + ClassName() + " wurde keine ClassID definiert.");
}

uint16_t tStreamable::ClassID() const { return GetClassID(); }

void tStreamable::Store(tObjStream&) const {}
void tStreamable::Load(tObjStream&) {}
int32_t tStreamable::Query(int32_t, int32_t) { return -1; }

std::unique_ptr<tStreamable> tStreamable::Clone() const {
  tObjMemoryStream stream(4096);
  stream.SetTranslate(false);
  stream.Put(this);
  stream.Seek(0, 0);
  return stream.Get();
}

void tStreamable::ClearState(uint8_t flags) { fState &= static_cast<uint8_t>(~flags); }

std::string tStreamable::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  char* plain = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = (status == 0 && plain) ? plain : mangled;
  std::free(plain);
  return name;
}

// ------------------------------------------------------------------ registry

namespace {

struct Registry {
  tStreamRec* first = nullptr;
  tStreamRec* cursor = nullptr;
  bool libraryRegistered = false;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

void EnsureLibraryTypes() {
  if (!TheRegistry().libraryRegistered) RegisterStreamLibraryTypes();
}

// The lookup walk of the registry: the cursor entry if it has the id, else
// the last entry from the start whose id is not above the wanted one.
tStreamRec* Lookup(Registry& r, uint16_t id, bool exact) {
  if (r.cursor && r.cursor->ObjType == id) return r.cursor;
  if (!r.first) return nullptr;
  tStreamRec* p = r.first;
  while (p->Next && p->Next->ObjType <= id) p = p->Next;
  r.cursor = p;
  if (id < p->ObjType || (exact && p->ObjType != id)) return nullptr;
  return p;
}

}  // namespace

const tStreamRec* LookupType(uint16_t id, bool exact) {
  EnsureLibraryTypes();
  return Lookup(TheRegistry(), id, exact);
}

void RegisterType(tStreamRec& entry) {
  EnsureLibraryTypes();
  Registry& r = TheRegistry();
  tStreamRec* found = Lookup(r, entry.ObjType, false);
  if (found && found->ObjType == entry.ObjType)
    throw ERegistrationError("Object (ID:" + std::to_string(entry.ObjType) + ") wurde mehrfach registriert!");
  if (found) {
    entry.Next = found->Next;
    found->Next = &entry;
  } else {
    entry.Next = r.first;
    r.first = &entry;
  }
}

namespace {
// The library's own classes. Constant-initialised, so they exist before any
// static registration object of another unit runs.
tStreamRec gLibraryTypes[] = {
    {50, &BuildAndLoad<tCollection>, nullptr},
    {51, &BuildAndLoad<tStringCollection>, nullptr},
    {53, &BuildAndLoad<tItemCollection>, nullptr},
    {54, &BuildAndLoad<TExItemCollection>, nullptr},
    {110, &BuildAndLoad<tStrUnsortedCollection>, nullptr},
    {120, &BuildAndLoad<tMarkierungen>, nullptr},
    {121, &BuildAndLoad<tSortedItemCollection>, nullptr},
    {24500, &BuildAndLoad<tStreamItem>, nullptr},
};
}  // namespace

void RegisterLanguageStringListType();  // resfile.cpp

void RegisterStreamLibraryTypes() {
  Registry& r = TheRegistry();
  if (r.libraryRegistered) return;
  r.libraryRegistered = true;
  for (tStreamRec& rec : gLibraryTypes) RegisterType(rec);
  RegisterLanguageStringListType();
}
