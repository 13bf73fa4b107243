// Recorded pages as data (the commands, exact in 0.1 mm) and as pictures
// (replayed into images at a known resolution).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "edevexception.h"
#include "recorder.h"

namespace {

// 254 dpi: one pixel per 0.1 mm, so page units and pixels coincide.
QImage Sheet(int w = 2100, int h = 2970, double dpi = 254) {
  QImage img(w, h, QImage::Format_RGB32);
  img.setDotsPerMeterX(qRound(dpi / 0.0254));
  img.setDotsPerMeterY(qRound(dpi / 0.0254));
  img.fill(Qt::white);
  return img;
}

// Bounding box of the pixels that are not white.
QRect InkBox(const QImage& img, const QRect& within = QRect()) {
  const QRect area = within.isNull() ? img.rect() : within;
  int l = INT_MAX, t = INT_MAX, r = -1, b = -1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(img.pixel(x, y)) < 160) {
        l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
      }
  return r < 0 ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EDevException& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(Recorder, RectangleIsRecordedWithSurfaceYAndPlaysBackAtTheTopLeft) {
  tMetaFileRecorder r;
  r.StartPage(1);
  r.Pen().Width = 0;
  r.Brush().Style = tBrushStyle::Clear;
  r.Rectangle(0, 0, 260, 250);
  r.EndPage();
  const auto& cmds = r.FindPage(1)->Commands();
  ASSERT_EQ(cmds.size(), 1u);
  const auto* rect = std::get_if<tRectCmd>(&cmds[0]);
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(rect->Corners, (tRect{0, 0, 260, -250}));

  QImage img = Sheet(600, 600);
  QPainter p(&img);
  r.DrawPage(&p, 1, 0, 0);
  p.end();
  const QRect ink = InkBox(img);
  EXPECT_NEAR(ink.left(), 0, 1);
  EXPECT_NEAR(ink.top(), 0, 1);
  EXPECT_NEAR(ink.width(), 260, 2);   // 26 mm
  EXPECT_NEAR(ink.height(), 250, 2);  // 25 mm
}

TEST(Recorder, StretchedPlaybackScalesEachAxis) {
  tMetaFileRecorder r;
  r.StartPage(1);
  const QSize frame = r.ActivePage()->FrameSize();  // 0.01 mm
  r.Brush().Color = Qt::black;
  r.Rectangle(0, 0, frame.width() / 20, frame.height() / 20);  // half the page
  r.EndPage();
  QImage img = Sheet(400, 300, 96);
  QPainter p(&img);
  r.StretchDrawPage(&p, 1, QRectF(0, 0, 400, 300));
  p.end();
  const QRect ink = InkBox(img);
  EXPECT_NEAR(ink.width(), 200, 2);
  EXPECT_NEAR(ink.height(), 150, 2);
}

TEST(Recorder, TextIsDrawnAsWideAsMeasured) {
  tMetaFileRecorder r;
  r.StartPage(1);
  r.Font().Name = "Arial";
  r.Font().Height = -40;
  const QString text = QStringLiteral("Amortisationszeit 12,5 Monate");
  const int w = r.TextWidth(text);
  const int h = r.TextHeight(text);
  EXPECT_GT(w, 400);
  EXPECT_GE(h, 40);
  r.Brush().Style = tBrushStyle::Clear;
  r.TextOut(100, 100, text);                // left, top
  r.SetTextAlign(TA_RIGHT);
  r.TextOut(2000, 300, text);               // right end at 2000
  r.SetTextAlign(TA_CENTER | TA_BASELINE);
  r.TextOut(1000, 600, text);               // centred on 1000, baseline 600
  r.EndPage();

  for (double dpi : {254.0, 600.0}) {
    const double s = dpi / 254;
    QImage img = Sheet(qRound(2100 * s), qRound(800 * s), dpi);
    QPainter p(&img);
    r.DrawPage(&p, 1, 0, 0);
    p.end();
    const QRect a = InkBox(img, QRect(0, 0, img.width(), qRound(250 * s)));
    const QRect b = InkBox(img, QRect(0, qRound(250 * s), img.width(), qRound(250 * s)));
    const QRect c = InkBox(img, QRect(0, qRound(500 * s), img.width(), qRound(300 * s)));
    // Side bearings make the ink a little narrower than the advance.
    EXPECT_NEAR(a.left() / s, 100, 6) << dpi;
    EXPECT_NEAR(a.width() / s, w, 12) << dpi;
    EXPECT_GE(a.top() / s, 100) << dpi;
    EXPECT_NEAR(b.right() / s, 2000, 6) << dpi;
    EXPECT_NEAR(b.width() / s, w, 12) << dpi;
    EXPECT_NEAR((c.left() + c.right()) / 2.0 / s, 1000, 6) << dpi;
    EXPECT_LE(c.top() / s, 600 - 25) << dpi;  // the capitals stand on the baseline
    EXPECT_NEAR(c.bottom() / s, 600, 12) << dpi;
  }
}

TEST(Recorder, TextRectClipsToTheRectangle) {
  tMetaFileRecorder r;
  r.StartPage(1);
  r.Font().Height = -40;
  r.Brush().Style = tBrushStyle::Clear;
  r.TextRect(tRect{100, 100, 300, 200}, 100, 100, QStringLiteral("Ein Text, der nicht hineinpasst"));
  r.EndPage();
  QImage img = Sheet(1500, 400);
  QPainter p(&img);
  r.DrawPage(&p, 1, 0, 0);
  p.end();
  const QRect ink = InkBox(img);
  EXPECT_LE(ink.right(), 300);
  EXPECT_GE(ink.right(), 280);
}

TEST(Recorder, BitmapKeepsItsAspectInsideTheBox) {
  tMetaFileRecorder r;
  r.StartPage(1);
  QImage bmp(100, 50, QImage::Format_RGB32);
  bmp.fill(Qt::black);
  r.DrawBitmap(bmp, true, 10, 20, 130, 130);  // 130 x 65, 32 lower
  r.DrawBitmap(bmp, true, 10, 20, 50, 200);   // height limits? no: width limits 50 x 25
  r.DrawBitmap(bmp, true, 10, 20, 300, 50);   // height limits: 100 x 50, 100 further right
  r.DrawBitmap(bmp, false, 0, 0, 0, 10);      // no box: the bitmap's own size
  r.EndPage();
  const auto& cmds = r.FindPage(1)->Commands();
  ASSERT_EQ(cmds.size(), 4u);
  EXPECT_EQ(std::get<tBitmapCmd>(cmds[0]).Target, (tRect{10, -52, 140, -117}));
  EXPECT_EQ(std::get<tBitmapCmd>(cmds[1]).Target, (tRect{10, -107, 60, -132}));
  EXPECT_EQ(std::get<tBitmapCmd>(cmds[2]).Target, (tRect{110, -20, 210, -70}));
  EXPECT_EQ(std::get<tBitmapCmd>(cmds[3]).Target, (tRect{0, 0, 100, -50}));

  QImage img = Sheet(300, 300);
  QPainter p(&img);
  r.DrawPage(&p, 1, 0, 0);
  p.end();
  const QRect ink = InkBox(img, QRect(0, 0, 100, 300));
  EXPECT_EQ(ink.left(), 0);
  EXPECT_EQ(ink.top(), 0);
}

TEST(Recorder, PagesAreCachedUpToTenAndRecordedAgainOnDemand) {
  tMetaFileRecorder r;
  std::vector<int> needed;
  for (int n = 1; n <= 11; ++n) {
    r.StartPage(n);
    r.TextOut(0, 0, QString::number(n));
    r.EndPage();
  }
  EXPECT_EQ(r.HeldPages(), (std::vector<int32_t>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  r.OnNeedPage = [&](int32_t n) {
    needed.push_back(n);
    r.StartPage(n);
    r.TextOut(0, 0, QString::number(n));
    r.EndPage();
  };
  QImage img = Sheet(100, 100, 96);
  QPainter p(&img);
  r.DrawPage(&p, 1, 0, 0);
  r.DrawPage(&p, 5, 0, 0);
  p.end();
  EXPECT_EQ(needed, std::vector<int>{1});
  EXPECT_EQ(r.HeldPages(), (std::vector<int32_t>{1, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  // Starting a held page records it again in place.
  r.StartPage(5);
  EXPECT_TRUE(r.FindPage(5)->Commands().empty());
  r.EndPage();
  r.Clear();
  EXPECT_TRUE(r.HeldPages().empty());
}

TEST(Recorder, EveryMisuseRaisesItsMessageAndChangesNothing) {
  tMetaFileRecorder r;
  EXPECT_EQ(ErrorOf([&] { r.TextOut(0, 0, "x"); }), "Fehler bei Zeichenoperation. Keine aktuelle Seite vorhanden.");
  EXPECT_EQ(ErrorOf([&] { r.EndPage(); }), "Keine Seite angefangen.");
  EXPECT_EQ(ErrorOf([&] { r.StartPage(-1); }), "Seitennummer -1 ist ungültig.");
  EXPECT_TRUE(r.HeldPages().empty());
  r.StartPage(0);  // 0 is a valid number
  EXPECT_EQ(ErrorOf([&] { r.StartPage(1); }), "Es wurde bereits eine Seite angefangen.");
  EXPECT_EQ(ErrorOf([&] { r.StartTestPage(); }), "Es wurde bereits eine Seite angefangen.");
  r.EndPage();
  EXPECT_EQ(ErrorOf([&] { r.LineTo(1, 1); }), "Fehler bei Zeichenoperation. Keine aktuelle Seite vorhanden.");
  EXPECT_EQ(ErrorOf([&] { r.DrawPage(nullptr, 0, 0, 0); }), "Ungültige Zeichenfläche.");
  QImage img = Sheet(10, 10, 96);
  QPainter p(&img);
  EXPECT_EQ(ErrorOf([&] { r.DrawPage(&p, 7, 0, 0); }), "Seite 7 wurde nicht aufgezeichnet.");
  EXPECT_EQ(ErrorOf([&] { r.StretchDrawPage(&p, 8, QRectF(0, 0, 5, 5)); }), "Seite 8 wurde nicht aufgezeichnet.");
  try {
    r.DrawPage(&p, 7, 0, 0);
  } catch (const EDevException& e) {
    EXPECT_EQ(e.Location(), "tMetaFileRecorder.DrawPage");
  }
}

TEST(Recorder, TestPagesNestAndMeasureWithoutARealPage) {
  tMetaFileRecorder r;
  r.StartTestPage();
  r.Font().Height = -40;
  const int w = r.TextWidth("Monat");
  EXPECT_GT(w, 0);
  r.StartTestPage();
  r.EndTestPage();
  EXPECT_NE(r.TestPage(), nullptr);
  EXPECT_EQ(r.TextWidth("Monat"), w);
  // A real page inside the bracket: afterwards nothing is active.
  r.StartPage(1);
  EXPECT_EQ(r.Font().Height, -35);  // every page starts with the default font
  r.EndPage();
  EXPECT_EQ(r.ActivePage(), nullptr);
  EXPECT_EQ(ErrorOf([&] { r.TextWidth("x"); }), "Fehler bei Zeichenoperation. Keine aktuelle Seite vorhanden.");
  r.EndTestPage();
  EXPECT_EQ(r.TestPage(), nullptr);
  r.EndTestPage();  // no test page: no effect
  EXPECT_EQ(ErrorOf([&] { r.TextWidth("x"); }), "Fehler bei Zeichenoperation. Keine aktuelle Seite vorhanden.");
}

TEST(Recorder, PixelMappingModeKeepsY) {
  tMetaFileRecorder r;
  r.MapMode = 1;
  r.StartPage(1);
  r.Rectangle(0, 0, 26, 25);
  r.Polyline(QPolygon({QPoint(1, 2), QPoint(3, 4)}));
  r.EndPage();
  const auto& cmds = r.FindPage(1)->Commands();
  EXPECT_EQ(std::get<tRectCmd>(cmds[0]).Corners, (tRect{0, 0, 26, 25}));
  EXPECT_EQ(std::get<tPolylineCmd>(cmds[1]).Points, QPolygon({QPoint(1, 2), QPoint(3, 4)}));
}

TEST(Recorder, DrawTextBreaksWordsInsideTheRectangle) {
  tMetaFileRecorder r;
  r.StartPage(1);
  r.Font().Height = -40;
  const int word = r.TextWidth("Zeitstudie");
  const int n = r.DrawText("Zeitstudie Zeitstudie Zeitstudie", tRect{0, 0, word + 40, 1000}, DT_WORDBREAK);
  EXPECT_EQ(n, 32);
  const auto& cmds = r.FindPage(1)->Commands();
  ASSERT_EQ(cmds.size(), 3u);
  const int lineHeight = r.TextHeight("Zeitstudie");
  EXPECT_EQ(std::get<tTextCmd>(cmds[1]).Ref, QPoint(0, -lineHeight));
  r.EndPage();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
