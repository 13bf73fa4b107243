// Streamable objects and the class registry.
//
// Every class that can travel through a stream has a fixed 16-bit class id
// and a registration entry that builds an empty object and lets it load
// itself. Entries are registered once while the program starts (the
// library's own classes on first use of the registry, the program's classes
// from static registration objects) and never removed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "objstream.h"

class tStreamable {
 public:
  // Tag for the constructor that the registry uses: an empty object that
  // is about to be filled by Load.
  struct EmptyTag {};
  static constexpr EmptyTag Empty{};

  tStreamable() = default;
  explicit tStreamable(EmptyTag) {}
  virtual ~tStreamable() = default;

  // Virtual operations, in the order the library defines them.
  virtual tStreamable& SetState(uint8_t flags);  // ORs the bits in
  virtual uint8_t GetState() const;
  // The class id. The base raises EClassIdError
  // ("Für die Klasse <name> wurde keine ClassID definiert.").
  virtual uint16_t GetClassID() const;
  virtual uint16_t ClassID() const;  // calls GetClassID
  virtual void Store(tObjStream& stream) const;
  virtual void Load(tObjStream& stream);
  // A query with two integer arguments; -1 when the object has no answer.
  virtual int32_t Query(int32_t a, int32_t b);
  // A copy made by writing the object to a memory stream and reading it
  // back (translate flag off). Empty when reading back fails.
  virtual std::unique_ptr<tStreamable> Clone() const;
  virtual void ClearState(uint8_t flags);

  // The class name used in messages (the C++ class name by default).
  virtual std::string ClassName() const;

 protected:
  // Copies only through a concrete class that allows them (no slicing).
  tStreamable(const tStreamable&) = default;
  tStreamable& operator=(const tStreamable&) = default;

  uint8_t fState = 0;
};

using BuildFunction = std::unique_ptr<tStreamable> (*)(tObjStream& stream);

// A registration entry. Entries live in static storage; the registry links
// them into one list sorted by ascending class id.
struct tStreamRec {
  uint16_t ObjType;
  BuildFunction Build;
  tStreamRec* Next = nullptr;
};

// Adds an entry; raises ERegistrationError
// ("Object (ID:<id>) wurde mehrfach registriert!") for an id already known.
void RegisterType(tStreamRec& entry);

// The entry for an id. With exact = false answers the entry with the
// largest id not above the wanted one. nullptr when there is none.
const tStreamRec* LookupType(uint16_t id, bool exact);

// Builds an empty T and lets it load itself from the stream.
template <class T>
std::unique_ptr<tStreamable> BuildAndLoad(tObjStream& stream) {
  auto object = std::make_unique<T>(tStreamable::Empty);
  object->Load(stream);
  return object;
}

// Registers T under its id while static objects are constructed:
//   static tRegisterType<tMyClass> reg(1234);
template <class T>
class tRegisterType {
 public:
  explicit tRegisterType(uint16_t id) : fRec{id, &BuildAndLoad<T>} { RegisterType(fRec); }

 private:
  tStreamRec fRec;
};

// Registers the stream library's own classes. The registry calls this on
// its first use; calling it again does nothing.
void RegisterStreamLibraryTypes();
