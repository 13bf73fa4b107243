// Each command class reading the property lines of its component.
#include <gtest/gtest.h>

#include "boxcommand.h"
#include "datacommand.h"
#include "drawobjectcommand.h"
#include "labelcommand.h"
#include "layouterrors.h"
#include "layouttest.h"
#include "rotlabelcommand.h"

using layouttest::ReadMessages;
using layouttest::Text;
using Messages = std::vector<std::string>;

namespace {

const std::string kGeometry =
    "    Left = 10\n"
    "    Top = 20\n"
    "    Width = 101\n"
    "    Height = 51\n";
const Messages kGeometryMessages = {"Position links auswerten ...", "Position oben auswerten ...", "Breite auswerten ...",
                                    "Höhe auswerten ..."};

Messages Join(Messages a, const Messages& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ReadProperties, BoxAndDrawingObjectAdjustTheirExtentsInOppositeDirections) {
  const std::string text = kGeometry + "    Caption = 'x'\n    Brush.Style = bsClear\n  end\n";
  const Messages ignored = {"Paramter CAPTION wird nicht ausgewertet ...", "Paramter BRUSH.STYLE wird nicht ausgewertet ..."};

  TBoxCommand box;
  EXPECT_EQ(ReadMessages(box, text), Join(kGeometryMessages, ignored));
  EXPECT_EQ((std::array<int, 4>{box.Left, box.Top, box.Width, box.Height}), (std::array<int, 4>{10, 20, 100, 50}));

  TDrawObjectCommand object;
  EXPECT_EQ(ReadMessages(object, text), Join(kGeometryMessages, ignored));
  EXPECT_EQ((std::array<int, 4>{object.Left, object.Top, object.Width, object.Height}),
            (std::array<int, 4>{10, 20, 102, 52}));
}

TEST(ReadProperties, LabelReadsEveryKeywordItEvaluates) {
  TLabelCommand label;
  const Messages messages = ReadMessages(label, kGeometry +
                                                    "    Alignment = taRightJustify\n"
                                                    "    Caption = 'Gesamtübersicht'\n"
                                                    "    Font.Height = -11\n"
                                                    "    Font.Name = 'Arial'\n"
                                                    "    Font.Style = [fsBold, fsItalic]\n"
                                                    "    TabOrder = 3\n"
                                                    "    FontAngle = 900\n"
                                                    "    Tag = 1\n"
                                                    "  end\n");
  EXPECT_EQ(messages, Join(kGeometryMessages, {"Schriftausrichtung auswerten ...", "Bezeichnung auswerten ...",
                                               "Schriftgröße auswerten ...", "Schriftname auswerten ...",
                                               "Schrifteigenschaften auswerten ...",
                                               "Paramter TABORDER wird nicht ausgewertet ...",
                                               "Paramter FONTANGLE wird nicht ausgewertet ...",
                                               "Paramter TAG wird nicht ausgewertet ..."}));
  EXPECT_EQ(label.Width, 102);
  EXPECT_EQ(label.Height, 52);
  EXPECT_EQ(label.Alignment, 1);
  EXPECT_EQ(label.GetCaption(), "Gesamtübersicht");
  EXPECT_EQ(label.FontHeight, -13);
  EXPECT_EQ(label.GetFontName(), "Arial");
  EXPECT_EQ(label.FontStyle, 3);
}

TEST(ReadProperties, UnquotedCaptionsBecomePlaceholders) {
  TLabelCommand label;
  ReadMessages(label, "Caption = spr(12)\n");
  EXPECT_EQ(label.GetCaption(), "##12##");
  TRotLabelCommand vertical;
  ReadMessages(vertical, "Caption = SPKON_4\n");
  EXPECT_EQ(vertical.GetCaption(), "##4##");
}

TEST(ReadProperties, VerticalLabelReadsItsAngleButNoAlignment) {
  TRotLabelCommand label;
  const Messages messages = ReadMessages(label, kGeometry +
                                                    "    Caption = 'Seite'\n"
                                                    "    Font.Height = -11\n"
                                                    "    Font.Name = 'Times New Roman'\n"
                                                    "    Font.Style = [fsUnderline]\n"
                                                    "    FontAngle = 900\n"
                                                    "    Alignment = taCenter\n"
                                                    "  end\n");
  EXPECT_EQ(messages, Join(kGeometryMessages, {"Bezeichnung auswerten ...", "Schriftgröße auswerten ...",
                                               "Schriftname auswerten ...", "Schrifteigenschaften auswerten ...",
                                               "Schriftgrad auswerten ...",
                                               "Paramter ALIGNMENT wird nicht ausgewertet ..."}));
  EXPECT_EQ(label.Width, 102);
  EXPECT_EQ(label.Height, 52);
  EXPECT_EQ(label.GetCaption(), "Seite");
  EXPECT_EQ(label.FontHeight, -13);
  EXPECT_EQ(label.GetFontName(), "Times New Roman");
  EXPECT_EQ(label.FontStyle, 4);
  EXPECT_EQ(label.FontAngle, 900);
}

TEST(ReadProperties, DataFieldTakesItsFontSizeFromItsHeight) {
  TDataCommand field;
  const Messages messages = ReadMessages(field,
                                         "    Left = 300\n"
                                         "    Width = 80\n"
                                         "    Height = 17\n"
                                         "    Font.Height = -11\n"
                                         "    Font.Name = 'Arial'\n"
                                         "    Font.Style = [fsStrikeOut]\n"
                                         "    TabOrder = 12\n"
                                         "    Caption = 'x'\n"
                                         "    Alignment = taCenter\n"
                                         "  end\n");
  EXPECT_EQ(messages, (Messages{"Position links auswerten ...", "Breite auswerten ...",
                                "Höhe auswerten (und Schriftgröße) ...", "Paramter FONT.HEIGHT wird nicht ausgewertet ...",
                                "Schriftname auswerten ...", "Schrifteigenschaften auswerten ...",
                                "Reihenfolge auswerten ...", "Paramter CAPTION wird nicht ausgewertet ...",
                                "Paramter ALIGNMENT wird nicht ausgewertet ..."}));
  EXPECT_EQ(field.Left, 300);
  EXPECT_EQ(field.Width, 81);
  EXPECT_EQ(field.Height, 18);
  EXPECT_EQ(field.FontHeight, -19);
  EXPECT_EQ(field.GetFontName(), "Arial");
  EXPECT_EQ(field.FontStyle, 8);
  EXPECT_EQ(field.Order, 12);
  EXPECT_EQ(field.Alignment, 0);
}

TEST(ReadProperties, DataFieldTagChoosesTheAlignment) {
  struct Case {
    const char* tag;
    uint8_t alignment;
    const char* message;
  };
  const Case cases[] = {
      {"0", 0, "Ausrichtung links ..."},
      {"1", 2, "Ausrichtung mittig ..."},
      {"2", 1, "Ausrichtung rechts ..."},
      {"3", 7, "Fehler! Wert muß in [0, 1, 2] sein."},
      {"-1", 7, "Fehler! Wert muß in [0, 1, 2] sein."},
  };
  for (const Case& c : cases) {
    TDataCommand field;
    field.Alignment = 7;  // what an earlier line left; kept for values out of range
    EXPECT_EQ(ReadMessages(field, std::string("Tag = ") + c.tag + "\n"),
              (Messages{"Schriftausrichtung auswerten ...", c.message}))
        << c.tag;
    EXPECT_EQ(field.Alignment, c.alignment) << c.tag;
  }
}

TEST(ReadProperties, TheBlockEndsAtTheFirstLineThatIsNoPropertyLine) {
  tTextFile file = Text("Left = 5\nA=5\nTop = 9\n");
  TBoxCommand box;
  ReadMessages(box, file);
  EXPECT_EQ(box.Left, 5);
  EXPECT_EQ(box.Top, 0);
  EXPECT_EQ(file.LastLine(), "A=5");
  EXPECT_EQ(file.LineNumber(), 2);
  std::string next;
  ASSERT_TRUE(file.ReadLine(next, 255));
  EXPECT_EQ(next, "Top = 9");
}

TEST(ReadProperties, ANonNumberStopsReadingAndKeepsWhatWasRead) {
  tTextFile file = Text("Left = 5\nTop = abc\nWidth = 3\nend\n");
  TLabelCommand label;
  Messages messages;
  label.OnMessage = [&messages](const std::string& text) { messages.push_back(text); };
  try {
    label.ReadProperties(file);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' ist kein gültiger Integerwert.");
  }
  // The progress text comes before the conversion.
  EXPECT_EQ(messages, (Messages{"Position links auswerten ...", "Position oben auswerten ..."}));
  EXPECT_EQ(label.Left, 5);
  EXPECT_EQ(label.Top, 0);
  EXPECT_EQ(label.Width, 0);
  EXPECT_EQ(file.LineNumber(), 2);
}

TEST(ReadProperties, EveryIntegerKeywordRefusesANonNumber) {
  const std::pair<const char*, std::function<std::unique_ptr<TCommand>()>> cases[] = {
      {"Left", [] { return std::make_unique<TBoxCommand>(); }},
      {"Top", [] { return std::make_unique<TDrawObjectCommand>(); }},
      {"Width", [] { return std::make_unique<TLabelCommand>(); }},
      {"Height", [] { return std::make_unique<TDataCommand>(); }},
      {"Font.Height", [] { return std::make_unique<TRotLabelCommand>(); }},
      {"TabOrder", [] { return std::make_unique<TDataCommand>(); }},
      {"FontAngle", [] { return std::make_unique<TRotLabelCommand>(); }},
      {"Tag", [] { return std::make_unique<TDataCommand>(); }},
  };
  for (const auto& [keyword, make] : cases) {
    auto command = make();
    EXPECT_THROW(ReadMessages(*command, std::string(keyword) + " = 1,5\n"), EConvertError) << keyword;
  }
}

TEST(ReadProperties, ValuesBeyondTheStoredRangeAreRefusedNotWrapped) {
  TBoxCommand box;
  EXPECT_THROW(ReadMessages(box, "Left = 40000\n"), EConvertError);
  EXPECT_THROW(ReadMessages(box, "Width = -32768\n"), EConvertError);  // -32769 after the adjustment
  EXPECT_EQ(box.Left, 0);
  EXPECT_EQ(box.Width, 0);
  EXPECT_NO_THROW(ReadMessages(box, "Width = 32768\n"));
  EXPECT_EQ(box.Width, 32767);

  TDataCommand field;
  try {
    ReadMessages(field, "Height = 32767\n");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Der Wert 32768 liegt außerhalb des zulässigen Bereichs von -32768 bis 32767.");
  }
  EXPECT_EQ(field.Height, 0);
  EXPECT_EQ(field.FontHeight, 0);
  EXPECT_THROW(ReadMessages(field, "Height = -32770\n"), EConvertError);
  EXPECT_EQ(field.Height, 0);
  EXPECT_NO_THROW(ReadMessages(field, "Height = 32766\n"));
  EXPECT_EQ(field.Height, 32767);
  EXPECT_EQ(field.FontHeight, -32768);
  EXPECT_NO_THROW(ReadMessages(field, "Height = -32769\n"));
  EXPECT_EQ(field.Height, -32768);
  EXPECT_EQ(field.FontHeight, 32767);
}

TEST(ReadProperties, TextsALayoutFileCannotHoldAreRefused) {
  // "Ā" has no Windows-1252 byte; "À" would come back as "A" from code page 437.
  for (const char* caption : {"'Āpfel'", "'À la carte'"}) {
    TLabelCommand label;
    label.SetCaption("vorher");
    EXPECT_THROW(ReadMessages(label, std::string("Caption = ") + caption + "\n"), EConvertError) << caption;
    EXPECT_EQ(label.GetCaption(), "vorher");
  }
  TDataCommand field;
  EXPECT_THROW(ReadMessages(field, "Font.Name = 'Schrift☺'\n"), EConvertError);
  TLabelCommand label;
  EXPECT_NO_THROW(ReadMessages(label, "Caption = 'Grüße: 5 €, Maß ½'\n"));
  EXPECT_EQ(label.GetCaption(), "Grüße: 5 €, Maß ½");
}

TEST(ReadProperties, SettersCutTo255CharactersAndRefuseUnstorableTexts) {
  TLabelCommand label;
  std::string long300;
  for (int i = 0; i < 300; ++i) long300 += "ä";
  EXPECT_TRUE(label.SetCaption(long300));
  EXPECT_EQ(label.GetCaption().size(), 255u * 2);
  EXPECT_FALSE(label.SetCaption("Ā"));
  EXPECT_EQ(label.GetCaption().size(), 255u * 2);
  EXPECT_FALSE(label.SetName("\xFF"));  // not UTF-8
  EXPECT_TRUE(label.SetName(""));
  EXPECT_EQ(label.GetName(), "");
}

}  // namespace
