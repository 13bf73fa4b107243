// Commands drawing themselves, checked as recorded page data. The page is
// in 0.1 mm with the surface's y axis pointing up, so every recorded y is
// the negated page y.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "boxcommand.h"
#include "commandlist.h"
#include "datacommand.h"
#include "drawobjectcommand.h"
#include "labelcommand.h"
#include "recorder.h"
#include "resfile.h"
#include "rotlabelcommand.h"

namespace {

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override {
    recorder.StartPage(1);
    // Whatever the page drew before, the commands set their own state.
    recorder.Pen() = tPen{Qt::red, tPenStyle::Dash, 9};
    recorder.Brush() = tBrush{Qt::blue, tBrushStyle::Solid};
    recorder.Font().Color = Qt::green;
    recorder.Font().Orientation = 900;
    recorder.SetTextAlign(TA_BASELINE);
  }
  const std::vector<tDrawCmd>& Commands() { return recorder.ActivePage()->Commands(); }
  std::vector<tTextCmd> Texts() {
    std::vector<tTextCmd> texts;
    for (const tDrawCmd& c : Commands())
      if (const auto* t = std::get_if<tTextCmd>(&c)) texts.push_back(*t);
    return texts;
  }
  tTextCmd OnlyText() {
    const auto texts = Texts();
    EXPECT_EQ(texts.size(), 1u);
    return texts.empty() ? tTextCmd{} : texts.front();
  }

  tMetaFileRecorder recorder;
};

const tPen kLayoutPen{Qt::black, tPenStyle::Solid, 3};
const tBrush kHollowWhite{Qt::white, tBrushStyle::Clear};

template <class T>
void Place(T& c, int16_t left, int16_t top, int16_t width, int16_t height) {
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
}

TEST_F(Drawing, BoxIsOutlinedWithTheLayoutPenAndNotFilled) {
  TBoxCommand box;
  Place(box, 10, 20, 100, 50);  // read from Width = 101, Height = 51
  box.Draw(recorder);
  ASSERT_EQ(Commands().size(), 1u);
  const auto& rect = std::get<tRectCmd>(Commands()[0]);
  EXPECT_EQ(rect.Corners, (tRect{10, -20, 110, -70}));
  EXPECT_EQ(rect.Pen, kLayoutPen);
  EXPECT_EQ(rect.Brush, kHollowWhite);
  EXPECT_EQ(recorder.Font().Color, QColor(Qt::black));
}

TEST_F(Drawing, LabelTextStandsAtTheReferencePointOfItsAlignment) {
  struct Case {
    uint8_t alignment;
    uint16_t flags;
    int x;
  };
  const Case cases[] = {{0, TA_LEFT, 11}, {1, TA_RIGHT, 110}, {2, TA_CENTER, 60}, {9, TA_LEFT, 11}};
  for (const Case& c : cases) {
    TLabelCommand label;
    Place(label, 10, 20, 101, 51);
    label.SetCaption("Übersicht");
    label.SetFontName("Arial");
    label.FontHeight = -40;
    label.FontStyle = fsBold | fsUnderline;
    label.Alignment = c.alignment;
    label.Draw(recorder);
    const tTextCmd text = Texts().back();
    EXPECT_EQ(text.Text, QStringLiteral("Übersicht"));
    EXPECT_EQ(text.Ref, QPoint(c.x, -20)) << int(c.alignment);
    EXPECT_EQ(text.Align, c.flags) << int(c.alignment);
    EXPECT_TRUE(text.Clipped);
    EXPECT_EQ(text.Clip, (tRect{10, -20, 111, -71}));
    EXPECT_FALSE(text.Opaque);  // the hollow brush
    EXPECT_EQ(text.Font.Name, QStringLiteral("Arial"));
    EXPECT_EQ(text.Font.Height, -40);
    EXPECT_EQ(text.Font.Style, fsBold | fsUnderline);
    EXPECT_EQ(text.Font.Color, QColor(Qt::black));
    EXPECT_EQ(text.Font.Orientation, 0);
  }
}

TEST_F(Drawing, CentreIsHalfTheWidthTowardZero) {
  TDataCommand field;
  Place(field, -10, 0, -5, 10);  // -5 / 2 = -2
  field.Alignment = 2;
  field.Draw(recorder);
  EXPECT_EQ(OnlyText().Ref.x(), -12);
}

TEST_F(Drawing, LanguagePlaceholderWithoutLanguageFileShowsNothingAndPassesTheIndex) {
  ReleaseLanguageFile();
  TLabelCommand label;
  label.SetCaption("##3##");
  std::vector<int32_t> indexes;
  std::vector<QString> received;
  label.OnGetText = [&](int32_t index, QString& text) {
    indexes.push_back(index);
    received.push_back(text);
  };
  label.Draw(recorder);
  EXPECT_EQ(indexes, std::vector<int32_t>{2});
  EXPECT_EQ(received, std::vector<QString>{QString()});
  EXPECT_EQ(OnlyText().Text, QString());
}

TEST_F(Drawing, LanguagePlaceholderShowsTheLanguageStringBeforeTheNumber) {
  QTemporaryDir dir;
  const std::string name = dir.filePath("TAVI.049").toStdString();
  {
    const tObjStringList strings({{0, "null"}, {1, "eins"}, {2, "Gr\xF6\xDF" "e"}});
    tObjFileStream out(name, tObjFileStream::fmCreate);
    WriteResourceFile(out, {{"Strings", &strings}});
    ASSERT_EQ(out.GetStatus(), stOk);
  }
  LoadLanguageFile(name);
  struct Case {
    const char* caption;
    const char* text;
    int32_t index;
  };
  const Case cases[] = {
      {"##3##", "Größe", 2}, {"##1##", "null", 0}, {"## 2##", "eins", 1},  // the number's leading blank is allowed
      {"##0##", "", -1},     {"##99999##", "", 99998},
      {"##", "##", 0},       {"###", "###", 0},   {"##ACHE7##", "##ACHE7##", 0}, {"#3#", "#3#", 0},
      {"Summe ##3##", "Summe ##3##", 0},
  };
  for (const Case& c : cases) {
    TLabelCommand label;
    label.SetCaption(c.caption);
    int32_t index = -7;
    label.OnGetText = [&index](int32_t i, QString&) { index = i; };
    label.Draw(recorder);
    EXPECT_EQ(Texts().back().Text, QString::fromUtf8(c.text)) << c.caption;
    EXPECT_EQ(index, c.index) << c.caption;
  }
  ReleaseLanguageFile();
}

TEST_F(Drawing, GetTextHandlerMayReplaceTheText) {
  TLabelCommand label;
  label.SetCaption("Umsatz");
  label.OnGetText = [](int32_t, QString& text) { text = QStringLiteral("Ertrag"); };
  label.Draw(recorder);
  EXPECT_EQ(OnlyText().Text, QStringLiteral("Ertrag"));
}

TEST_F(Drawing, DataFieldShowsItsNumberUntilAHandlerSuppliesTheText) {
  TDataCommand field;
  field.SetName("EdtAnzahl");
  Place(field, 300, 120, 81, 18);
  field.Order = 12;
  field.Alignment = 1;
  field.FontHeight = -19;
  field.Draw(recorder);
  tTextCmd text = OnlyText();
  EXPECT_EQ(text.Text, QStringLiteral("12 OnData 12"));
  EXPECT_EQ(text.Ref, QPoint(380, -120));
  EXPECT_EQ(text.Align, TA_RIGHT);
  EXPECT_EQ(text.Clip, (tRect{300, -120, 381, -138}));
  EXPECT_EQ(text.Font.Height, -19);

  QString seenName;
  int seenOrder = -1;
  QString seenDefault;
  field.OnData = [&](const QString& name, int16_t order, QString& t) {
    seenName = name;
    seenOrder = order;
    seenDefault = t;
    t = QStringLiteral("  120");
  };
  field.Draw(recorder);
  EXPECT_EQ(seenName, QStringLiteral("EdtAnzahl"));
  EXPECT_EQ(seenOrder, 12);
  EXPECT_EQ(seenDefault, QStringLiteral("12 OnData 12"));
  EXPECT_EQ(Texts().back().Text, QStringLiteral("  120"));
}

TEST_F(Drawing, VerticalLabelWritesOneCharacterPerLineAsHighAsTheWholeCaption) {
  TRotLabelCommand label;
  Place(label, 580, 100, 18, 301);
  label.SetCaption("ABC");
  label.SetFontName("Arial");
  label.FontHeight = -40;
  label.FontAngle = 900;
  label.Draw(recorder);
  const int h = recorder.TextHeight(QStringLiteral("ABC"));
  const int w = recorder.TextWidth(QStringLiteral("XX"));
  ASSERT_GT(h, 0);
  const auto texts = Texts();
  ASSERT_EQ(texts.size(), 3u);
  const char* letters[] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(texts[i].Text, QString::fromLatin1(letters[i]));
    EXPECT_EQ(texts[i].Align, TA_LEFT | TA_TOP);
    EXPECT_EQ(texts[i].Ref, QPoint(581, -(100 + i * h + 1))) << i;
    EXPECT_EQ(texts[i].Clip, (tRect{580, -(100 + i * h), 580 + w, -(100 + (i + 1) * h)})) << i;
    EXPECT_EQ(texts[i].Font.Orientation, 0);  // the angle plays no part
  }
}

TEST_F(Drawing, VerticalLabelDrawsItsCaptionLiterallyAndNothingWhenEmpty) {
  TRotLabelCommand label;
  label.SetCaption("##3##");
  label.Draw(recorder);
  EXPECT_EQ(Texts().size(), 5u);
  TRotLabelCommand empty;
  empty.Draw(recorder);
  EXPECT_EQ(Texts().size(), 5u);
  // The state is set all the same.
  EXPECT_EQ(recorder.Pen(), kLayoutPen);
  EXPECT_EQ(recorder.GetTextAlign(), TA_LEFT | TA_TOP);
}

TEST_F(Drawing, DrawingObjectOnlyCallsItsHandler) {
  TDrawObjectCommand object;
  object.SetName("PbxGrafik");
  Place(object, 20, 400, 280, 200);
  object.Draw(recorder);  // no handler: nothing
  EXPECT_TRUE(Commands().empty());
  EXPECT_EQ(recorder.Pen().Color, QColor(Qt::red));

  QString name;
  std::array<int, 4> rect{};
  object.OnDraw = [&](const QString& n, int l, int t, int w, int h) {
    name = n;
    rect = {l, t, w, h};
  };
  object.Draw(recorder);
  EXPECT_EQ(name, QStringLiteral("PbxGrafik"));
  EXPECT_EQ(rect, (std::array<int, 4>{20, 400, 280, 200}));
  EXPECT_TRUE(Commands().empty());
  EXPECT_EQ(recorder.Pen().Color, QColor(Qt::red));

  // It does not even need a page.
  tMetaFileRecorder idle;
  EXPECT_NO_THROW(object.Draw(idle));
}

TEST_F(Drawing, DrawAllDrawsInListOrderWithTheBoundHandler) {
  TCommandList list;
  auto box = std::make_unique<TBoxCommand>();
  Place(*box, 0, 0, 10, 10);
  list.Add(std::move(box));
  for (int16_t order : {3, 57}) {
    auto field = std::make_unique<TDataCommand>();
    field->Order = order;
    list.Add(std::move(field));
  }
  list.SetDataHandler([](const QString&, int16_t order, QString& text) {
    if (order == 3) text = QStringLiteral("drei");
  });
  list.DrawAll(recorder);
  ASSERT_EQ(Commands().size(), 3u);
  EXPECT_TRUE(std::holds_alternative<tRectCmd>(Commands()[0]));
  EXPECT_EQ(std::get<tTextCmd>(Commands()[1]).Text, QStringLiteral("drei"));
  EXPECT_EQ(std::get<tTextCmd>(Commands()[2]).Text, QStringLiteral("57 OnData 57"));
}

}  // namespace
