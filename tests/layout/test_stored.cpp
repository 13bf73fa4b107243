// The stored form of the commands and of a list, byte for byte; loading
// it back, from good and from damaged files.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "boxcommand.h"
#include "commandlist.h"
#include "datacommand.h"
#include "drawobjectcommand.h"
#include "labelcommand.h"
#include "layouttest.h"
#include "rotlabelcommand.h"

using layouttest::PutHex;
using testutil::Unhex;

namespace {

// Every stored field of a command, as one comparable text.
std::string Describe(const TCommand& c) {
  std::string d = std::to_string(c.GetClassID()) + " " + c.GetName() + " " + std::to_string(c.Left) + " " +
                  std::to_string(c.Top) + " " + std::to_string(c.Width) + " " + std::to_string(c.Height);
  auto font = [&d](const TFontCommand& f) {
    d += " [" + f.GetFontName() + "] " + std::to_string(f.FontHeight) + " " + std::to_string(f.FontStyle);
  };
  if (const auto* l = dynamic_cast<const TLabelCommand*>(&c)) {
    d += " [" + l->GetCaption() + "]";
    font(*l);
    d += " " + std::to_string(l->Alignment);
  } else if (const auto* r = dynamic_cast<const TRotLabelCommand*>(&c)) {
    d += " [" + r->GetCaption() + "]";
    font(*r);
    d += " " + std::to_string(r->FontAngle);
  } else if (const auto* f = dynamic_cast<const TDataCommand*>(&c)) {
    font(*f);
    d += " " + std::to_string(f->Order) + " " + std::to_string(f->Alignment);
  }
  return d;
}

std::vector<std::string> Describe(const TCommandList& list) {
  std::vector<std::string> d{std::to_string(list.HeaderFlag) + " [" + list.GetHeaderText1() + "] [" +
                             list.GetHeaderText2() + "] " + std::to_string(list.HeaderValue) + " " +
                             std::to_string(list.HeaderOption)};
  for (int i = 0; i < list.Count(); ++i) d.push_back(Describe(*list.At(i)));
  return d;
}

void Geometry(TCommand& c, const char* name, int16_t left, int16_t top, int16_t width, int16_t height) {
  c.SetName(name);
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
}

std::unique_ptr<TCommand> Box() {
  auto box = std::make_unique<TBoxCommand>();
  Geometry(*box, "Box", 10, 20, 100, 50);
  return box;
}

std::unique_ptr<TCommand> Label() {
  auto label = std::make_unique<TLabelCommand>();
  Geometry(*label, "Lbl", 1, 2, 3, 4);
  label->SetCaption("Äpfel €");
  label->SetFontName("Arial");
  label->FontHeight = -13;
  label->FontStyle = 5;
  label->Alignment = 2;
  return label;
}

std::unique_ptr<TCommand> RotLabel() {
  auto label = std::make_unique<TRotLabelCommand>();
  Geometry(*label, "", -1, 256, 17, 300);
  label->SetCaption("ABC");
  label->FontHeight = -15;
  label->FontStyle = 2;
  label->FontAngle = 900;
  return label;
}

std::unique_ptr<TCommand> Data() {
  auto field = std::make_unique<TDataCommand>();
  Geometry(*field, "Edt", 300, 120, 81, 18);
  field->SetFontName("Arial");
  field->FontHeight = -19;
  field->FontStyle = 8;
  field->Order = 7;
  field->Alignment = 1;
  return field;
}

std::unique_ptr<TCommand> DrawObject() {
  auto object = std::make_unique<TDrawObjectCommand>();
  Geometry(*object, "Pbx", 20, 400, 280, 200);
  return object;
}

struct StoredCase {
  const char* what;
  std::unique_ptr<TCommand> (*make)();
  const char* hex;
};

const StoredCase kStored[] = {
    {"box", &Box, "C2 5D 03 42 6F 78 0A 00 14 00 64 00 32 00"},
    // Caption before the font name, the font name before its height.
    {"label", &Label,
     "C3 5D 03 4C 62 6C 01 00 02 00 03 00 04 00 07 8E 70 66 65 6C 20 FB 05 41 72 69 61 6C F3 FF 05 02"},
    {"vertical label", &RotLabel, "C4 5D 00 FF FF 00 01 11 00 2C 01 03 41 42 43 00 F1 FF 02 84 03"},
    // The number after the style.
    {"data field", &Data, "C5 5D 03 45 64 74 2C 01 78 00 51 00 12 00 05 41 72 69 61 6C ED FF 08 07 00 01"},
    {"drawing object", &DrawObject, "C6 5D 03 50 62 78 14 00 90 01 18 01 C8 00"},
};

TEST(Stored, EachCommandClassWritesItsFieldsInTheStoredOrder) {
  for (const StoredCase& c : kStored) {
    const auto command = c.make();
    EXPECT_EQ(PutHex(*command), c.hex) << c.what;
    // And reads them back.
    tObjMemoryStream in(Unhex(c.hex));
    const std::unique_ptr<tStreamable> loaded = in.Get();
    ASSERT_EQ(in.GetStatus(), stOk) << c.what;
    const auto* back = dynamic_cast<const TCommand*>(loaded.get());
    ASSERT_NE(back, nullptr) << c.what;
    EXPECT_EQ(Describe(*back), Describe(*command)) << c.what;
    EXPECT_EQ(in.Remaining(), 0) << c.what;
  }
}

TEST(Stored, GetRecreatesEveryLayoutClassByItsId) {
  auto zeros = [](int n) {
    std::string hex;
    for (int i = 0; i < n; ++i) hex += " 00";
    return hex;
  };
  // Empty objects: every field 0, every text absent.
  const std::pair<std::string, const char*> classes[] = {
      {"C1 5D" + zeros(6 + 6), "TCommandList"},
      {"C2 5D" + zeros(9), "TBoxCommand"},
      {"C3 5D" + zeros(9 + 6), "TLabelCommand"},
      {"C4 5D" + zeros(9 + 7), "TRotLabelCommand"},
      {"C5 5D" + zeros(9 + 7), "TDataCommand"},
      {"C6 5D" + zeros(9), "TDrawObjectCommand"},
  };
  for (const auto& [hex, name] : classes) {
    tObjMemoryStream in(Unhex(hex));
    const auto object = in.Get();
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(in.GetStatus(), stOk) << name;
    EXPECT_EQ(object->ClassName(), name);
    EXPECT_EQ(in.Remaining(), 0) << name;
  }
  // Registering again changes nothing (and raises no "registered twice").
  EXPECT_NO_THROW(RegisterLayoutTypes());
}

TEST(Stored, AListIsACollectionOfObjectReferencesFollowedByItsHeader) {
  TCommandList list;
  list.Add(Box());
  list.Add(DrawObject());
  list.HeaderFlag = 1;
  list.SetHeaderText1("Abc");
  list.HeaderValue = 0x1234;
  list.HeaderOption = 7;
  const std::string hex = std::string("C1 5D 02 00 0A 00 0A 00 ") + kStored[0].hex + " " + kStored[4].hex +
                          " 01 03 41 62 63 00 34 12 07";
  EXPECT_EQ(PutHex(list), hex);

  tObjMemoryStream in(Unhex(hex));
  const auto back = GetCommandList(in);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(Describe(*back), Describe(list));
  EXPECT_EQ(back->Limit(), 10);
  EXPECT_EQ(back->Delta(), 10);
}

// A text of characters that survive a layout file, umlauts and "€" often.
std::string RandomText(std::mt19937& rng) {
  static const std::vector<std::string> kChars = {"a", "Z", " ", "#", "'", "0", "9", "ä", "Ö", "ü", "ß", "€",
                                                  "é", "½", "µ", "(", "_", "Ä", "§", "°"};
  std::string text;
  const int length = std::uniform_int_distribution<int>(0, 300)(rng) < 20
                         ? std::uniform_int_distribution<int>(250, 300)(rng)
                         : std::uniform_int_distribution<int>(0, 12)(rng);
  for (int i = 0; i < length; ++i) text += kChars[std::uniform_int_distribution<size_t>(0, kChars.size() - 1)(rng)];
  return text;
}

std::unique_ptr<TCommandList> RandomList(std::mt19937& rng) {
  auto i16 = [&rng] { return static_cast<int16_t>(std::uniform_int_distribution<int>(-32768, 32767)(rng)); };
  auto u8 = [&rng] { return static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(rng)); };
  auto list = std::make_unique<TCommandList>(static_cast<int16_t>(std::uniform_int_distribution<int>(0, 40)(rng)),
                                             static_cast<int16_t>(std::uniform_int_distribution<int>(1, 20)(rng)));
  list->HeaderFlag = u8();
  list->SetHeaderText1(RandomText(rng));
  list->SetHeaderText2(RandomText(rng));
  list->HeaderValue = i16();
  list->HeaderOption = u8();
  const int count = std::uniform_int_distribution<int>(0, 30)(rng);
  for (int i = 0; i < count; ++i) {
    std::unique_ptr<TCommand> c;
    switch (std::uniform_int_distribution<int>(0, 4)(rng)) {
      case 0: c = std::make_unique<TBoxCommand>(); break;
      case 1: {
        auto l = std::make_unique<TLabelCommand>();
        l->SetCaption(RandomText(rng));
        l->Alignment = u8();
        c = std::move(l);
        break;
      }
      case 2: {
        auto r = std::make_unique<TRotLabelCommand>();
        r->SetCaption(RandomText(rng));
        r->FontAngle = i16();
        c = std::move(r);
        break;
      }
      case 3: {
        auto d = std::make_unique<TDataCommand>();
        d->Order = i16();
        d->Alignment = u8();
        c = std::move(d);
        break;
      }
      default: c = std::make_unique<TDrawObjectCommand>(); break;
    }
    if (auto* f = dynamic_cast<TFontCommand*>(c.get())) {
      f->SetFontName(RandomText(rng));
      f->FontHeight = i16();
      f->FontStyle = u8();
    }
    c->SetName(RandomText(rng));
    c->Left = i16();
    c->Top = i16();
    c->Width = i16();
    c->Height = i16();
    list->Add(std::move(c));
  }
  return list;
}

TEST(Stored, RandomListsReadBackAsTheyWereThroughAFile) {
  QTemporaryDir dir;
  const std::string name = dir.filePath("ZUFALL.CFM").toStdString();
  std::mt19937 rng(20240612);
  for (int round = 0; round < 200; ++round) {
    const auto list = RandomList(rng);
    {
      tObjFileStream out(name, tObjFileStream::fmCreate);
      out.Put(list.get());
      ASSERT_EQ(out.GetStatus(), stOk);
    }
    tObjFileStream in(name, 0);
    const auto back = GetCommandList(in);
    ASSERT_EQ(in.GetStatus(), stOk) << round;
    ASSERT_NE(back, nullptr) << round;
    EXPECT_EQ(Describe(*back), Describe(*list)) << round;
    EXPECT_EQ(in.Remaining(), 0) << round;
    // Clone goes through a stream without translation: the same again.
    const auto copy = back->Clone();
    ASSERT_NE(dynamic_cast<TCommandList*>(copy.get()), nullptr);
    EXPECT_EQ(Describe(*dynamic_cast<TCommandList*>(copy.get())), Describe(*list)) << round;
  }
}

TEST(Stored, UmlautsAndTheEuroSignTravelAsCodePage437) {
  TLabelCommand label;
  ASSERT_TRUE(label.SetCaption("Grüße für Ärger: 5 €"));
  tObjMemoryStream out;
  label.Store(out);
  const std::string bytes = out.Bytes();
  // After the common part (name length 0 and four 2-byte values).
  EXPECT_EQ(testutil::Hex(bytes.substr(9, 21)),
            "14 47 72 81 E1 65 20 66 81 72 20 8E 72 67 65 72 3A 20 35 20 FB");
  tObjMemoryStream in(bytes);
  TLabelCommand back(tStreamable::Empty);
  back.Load(in);
  EXPECT_EQ(back.GetCaption(), "Grüße für Ärger: 5 €");
}

TEST(Stored, AMissingTruncatedOrDamagedLayoutFileFailsThroughTheStreamStatus) {
  QTemporaryDir dir;
  const std::string name = dir.filePath("BLATT9.CFM").toStdString();
  auto load = [&name](const std::string& bytes, int16_t expected, const std::string& what) {
    testutil::WriteFile(name, bytes);
    tObjFileStream in(name, 0);
    EXPECT_EQ(GetCommandList(in), nullptr) << what;
    EXPECT_EQ(in.GetStatus(), expected) << what;
  };
  {
    tObjFileStream in(dir.filePath("FEHLT.CFM").toStdString(), 0);
    EXPECT_EQ(GetCommandList(in), nullptr);
    EXPECT_EQ(in.GetStatus(), stOpenError);
  }

  TCommandList list;
  for (const StoredCase& c : kStored) list.Add(c.make());
  tObjMemoryStream whole;
  whole.Put(&list);
  const std::string bytes = whole.Bytes();
  for (size_t n = 0; n < bytes.size(); ++n) load(bytes.substr(0, n), stReadError, "cut at " + std::to_string(n));

  SetStreamMessageHandler([](const std::string&) {});
  const std::string header = "C1 5D 01 00 0A 00 0A 00 ";
  const std::string trailer = " 00 00 00 00 00 00";
  load(Unhex(header + "07 00" + trailer), stGetError, "unregistered class");
  load(Unhex(header + "00 00" + trailer), stBadData, "an empty item");
  load(Unhex(header + "B4 5F" + trailer), stBadData, "an item that is no command");  // tStreamItem
  load(Unhex(header + "C1 5D 00 00 00 00 00 00" + trailer + trailer), stBadData, "a list inside a list");
  load(Unhex("C1 5D 05 00 02 00 0A 00" + trailer), stBadData, "count above the limit");
  load(Unhex("B4 5F"), stBadData, "a file of another class");
  SetStreamMessageHandler(nullptr);
}

TEST(Stored, AListThatFailedToLoadHoldsOnlyTheCommandsBeforeTheFailure) {
  // A box, then an object of another class, then a label.
  tObjMemoryStream in(Unhex(std::string("03 00 0A 00 0A 00 ") + kStored[0].hex + " B4 5F " + kStored[1].hex +
                            " 00 00 00 00 00 00"));
  TCommandList list(tStreamable::Empty);
  list.Load(in);
  EXPECT_EQ(in.GetStatus(), stBadData);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(Describe(*list.At(0)), Describe(*Box()));
  EXPECT_EQ(list.MaxRight(), 109);
}

}  // namespace
