// The calculation record as an object of the object stream: written with
// its class id, re-created by it.
#include <gtest/gtest.h>

#include "objstream.h"
#include "streamable.h"
#include "tavidaten.h"
#include "testutil.h"

namespace {

using testutil::Hex;

TEST(PutGet, RecordTravelsByClassId) {
  tTaviDaten record;
  ASSERT_TRUE(record.SetFirmenname("Müller"));
  record.DauerZS = 7.5L;
  record.AnzZS = 120;
  tObjMemoryStream m;
  m.Put(&record);
  EXPECT_EQ(Hex(m.Bytes().substr(0, 4)), "AA 61 00 06");
  EXPECT_EQ(m.Size(), 2 + 1828 + 6);
  m.Seek(0, 0);
  auto back = m.Get();
  ASSERT_NE(back, nullptr);
  auto* copy = dynamic_cast<tTaviDaten*>(back.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetFirmenname(), "Müller");
  EXPECT_EQ(copy->DauerZS, 7.5L);
  EXPECT_EQ(copy->AnzZS, 120);
  EXPECT_EQ(copy->BegruendungAnzahlZS, record.BegruendungAnzahlZS);
  EXPECT_EQ(m.Position(), m.Size());
}

TEST(PutGet, RecordIsRegisteredUnderItsId) {
  ASSERT_NE(LookupType(tTaviDaten::kClassId, true), nullptr);
  EXPECT_EQ(LookupType(tTaviDaten::kClassId, true)->ObjType, 25002);
}

}  // namespace
