// The form compiler, run as the build runs it: the layout file it writes,
// its progress output, and every way it refuses a form.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "boxcommand.h"
#include "commandlist.h"
#include "labelcommand.h"
#include "testutil.h"

namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

ToolRun Mklayout(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(TAVI_MKLAYOUT), args);
  ToolRun r;
  if (!p.waitForFinished(60000)) return r;
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

std::string ReadAll(const QString& name) {
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

void WriteAll(const QString& name, const std::string& bytes) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

const QString kMuster = QStringLiteral(TAVI_TEST_FORMS "/muster.dfm");

// The layout of muster.dfm, worked out by hand from the form.
const char* const kMusterHex =
    // list: 6 commands, limit 10, delta 10
    "C1 5D 06 00 0A 00 0A 00 "
    // ShpRahmen (10, 20), 101 x 51 -> 100 x 50
    "C2 5D 09 53 68 70 52 61 68 6D 65 6E 0A 00 14 00 64 00 32 00 "
    // LblTitel (10, 20), 102 x 52, 'Übersicht für Müller: 5 €' in code page 437, Arial, -11 -> -13,
    // bold + underline, centred
    "C3 5D 08 4C 62 6C 54 69 74 65 6C 0A 00 14 00 66 00 34 00 "
    "19 9A 62 65 72 73 69 63 68 74 20 66 81 72 20 4D 81 6C 6C 65 72 3A 20 35 20 FB "
    "05 41 72 69 61 6C F3 FF 05 02 "
    // LblSprache (10, 80), 201 x 14, SPR(12) -> ##12##, no font
    "C3 5D 0A 4C 62 6C 53 70 72 61 63 68 65 0A 00 50 00 C9 00 0E 00 06 23 23 31 32 23 23 00 00 00 00 00 "
    // RotSeite (580, 100), 18 x 301, 'Seite 1', Times New Roman, -15, italic, angle 900
    "C4 5D 08 52 6F 74 53 65 69 74 65 44 02 64 00 12 00 2D 01 07 53 65 69 74 65 20 31 "
    "0F 54 69 6D 65 73 20 4E 65 77 20 52 6F 6D 61 6E F1 FF 02 84 03 "
    // EdtAnzahl (300, 120), 81 x 18, Arial, -19, strike-out, number 7, Tag 2 -> right
    "C5 5D 09 45 64 74 41 6E 7A 61 68 6C 2C 01 78 00 51 00 12 00 05 41 72 69 61 6C ED FF 08 07 00 01 "
    // PbxGrafik (20, 400), 280 x 200
    "C6 5D 09 50 62 78 47 72 61 66 69 6B 14 00 90 01 18 01 C8 00 "
    // header: flag 0, the form's name and class, 0, 0
    "00 06 4D 75 73 74 65 72 07 54 4D 75 73 74 65 72 00 00 00";

TEST(Mklayout, AFormWithEveryKindAndKeywordGivesTheExpectedLayoutFile) {
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("MUSTER.CFM"));
  const ToolRun r = Mklayout({kMuster, out});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(testutil::Hex(ReadAll(out)), kMusterHex);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("MUSTER.CFM")});
  // An ordinary file, as any other program would create it here.
  const QString plain = dir.filePath(QStringLiteral("plain"));
  WriteAll(plain, "x");
  EXPECT_EQ(QFile::permissions(out), QFile::permissions(plain));
}

TEST(Mklayout, VerboseShowsEveryComponentAndItsProgressTexts) {
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("MUSTER.CFM"));
  const ToolRun r = Mklayout({QStringLiteral("--verbose"), kMuster, out});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "Formular „Muster“ (TMuster)\n"
            "Komponente „ShpRahmen“ (TShape): Rahmen\n"
            "  Position links auswerten ...\n"
            "  Position oben auswerten ...\n"
            "  Breite auswerten ...\n"
            "  Höhe auswerten ...\n"
            "  Paramter BRUSH.STYLE wird nicht ausgewertet ...\n"
            "Komponente „LblTitel“ (TLabel): Beschriftung\n"
            "  Position links auswerten ...\n"
            "  Position oben auswerten ...\n"
            "  Breite auswerten ...\n"
            "  Höhe auswerten ...\n"
            "  Schriftausrichtung auswerten ...\n"
            "  Bezeichnung auswerten ...\n"
            "  Schriftgröße auswerten ...\n"
            "  Schriftname auswerten ...\n"
            "  Schrifteigenschaften auswerten ...\n"
            "  Paramter PARENTFONT wird nicht ausgewertet ...\n"
            "Komponente „LblSprache“ (TLabel): Beschriftung\n"
            "  Position links auswerten ...\n"
            "  Position oben auswerten ...\n"
            "  Breite auswerten ...\n"
            "  Höhe auswerten ...\n"
            "  Bezeichnung auswerten ...\n"
            "Komponente „RotSeite“ (TRotLabel): senkrechte Beschriftung\n"
            "  Position links auswerten ...\n"
            "  Position oben auswerten ...\n"
            "  Breite auswerten ...\n"
            "  Höhe auswerten ...\n"
            "  Bezeichnung auswerten ...\n"
            "  Schriftgröße auswerten ...\n"
            "  Schriftname auswerten ...\n"
            "  Schrifteigenschaften auswerten ...\n"
            "  Schriftgrad auswerten ...\n"
            "Komponente „EdtAnzahl“ (TEdit): Datenfeld\n"
            "  Position links auswerten ...\n"
            "  Position oben auswerten ...\n"
            "  Breite auswerten ...\n"
            "  Höhe auswerten (und Schriftgröße) ...\n"
            "  Paramter FONT.HEIGHT wird nicht ausgewertet ...\n"
            "  Schriftname auswerten ...\n"
            "  Schrifteigenschaften auswerten ...\n"
            "  Reihenfolge auswerten ...\n"
            "  Schriftausrichtung auswerten ...\n"
            "  Ausrichtung rechts ...\n"
            "  Paramter TEXT wird nicht ausgewertet ...\n"
            "Komponente „PbxGrafik“ (TPaintBox): Zeichenobjekt\n"
            "  Position links auswerten ...\n"
            "  Position oben auswerten ...\n"
            "  Breite auswerten ...\n"
            "  Höhe auswerten ...\n"
            "6 Befehle in „" + out.toStdString() + "“ geschrieben.\n");
  EXPECT_EQ(testutil::Hex(ReadAll(out)), kMusterHex);
}

TEST(Mklayout, KindsCompareWithoutCaseAndBlocksMayBeInheritedNamelessOrIndexed) {
  QTemporaryDir dir;
  const QString form = dir.filePath(QStringLiteral("arten.dfm"));
  // Windows line endings and a Windows-1252 caption, as older editors write them.
  WriteAll(form,
           "inherited Arten: TArten\r\n"
           "  object Bvl: TBevel\r\n    Width = 11\r\n  end\r\n"
           "  object TLABEL\r\n    Caption = 'Gr\xF6\xDF" "e'\r\n  end\r\n"
           "  inline Msk: TMaskEdit [2]\r\n    TabOrder = 4\r\n  end\r\n"
           "  object Shp: tshape\r\n  END\r\n"
           "\r\n"
           "end\r\n\r\n");
  const QString out = dir.filePath(QStringLiteral("ARTEN.CFM"));
  const ToolRun r = Mklayout({form, out});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  tObjFileStream in(out.toStdString(), 0);
  const auto list = GetCommandList(in);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Count(), 4);
  EXPECT_EQ(list->At(0)->ClassName(), "TBoxCommand");
  EXPECT_EQ(list->At(0)->Width, 10);
  EXPECT_EQ(list->At(1)->ClassName(), "TLabelCommand");
  EXPECT_EQ(list->At(1)->GetName(), "");
  EXPECT_EQ(dynamic_cast<const TLabelCommand&>(*list->At(1)).GetCaption(), "Größe");
  EXPECT_EQ(list->At(2)->ClassName(), "TDataCommand");
  EXPECT_EQ(list->At(2)->GetName(), "Msk");
  EXPECT_EQ(list->At(3)->ClassName(), "TBoxCommand");
  EXPECT_EQ(list->GetHeaderText1(), "Arten");
  EXPECT_EQ(list->GetHeaderText2(), "TArten");
}

TEST(Mklayout, EveryRefusedFormNamesFileAndLineExitsWithOneAndWritesNothing) {
  struct Case {
    const char* what;
    std::string form;
    std::string message;  // after "Zeile <n>: " (or after the file name)
  };
  const std::string head = "object F: TForm\n  Left = 1\n";
  const Case cases[] = {
      {"unknown kind", head + "  object Btn: TButton\n  end\nend\n", "Zeile 3: Unbekannte Komponentenart „TButton“."},
      {"non-number", head + "  object L: TLabel\n    Left = 1\n    Top = zehn\n  end\nend\n",
       "Zeile 5: 'zehn' ist kein gültiger Integerwert."},
      {"out of range", head + "  object S: TShape\n    Width = 40000\n  end\nend\n",
       "Zeile 4: Der Wert 39999 liegt außerhalb des zulässigen Bereichs von -32768 bis 32767."},
      {"unstorable text", head + "  object L: TLabel\n    Caption = 'Ā'\n  end\nend\n",
       "Zeile 4: Der Text „Ā“ enthält ein Zeichen, das eine Formulardatei nicht speichern kann."},
      {"caption over two lines", head + "  object L: TLabel\n    Caption = \n      'Text'\n  end\nend\n",
       "Zeile 5: Unerwartete Zeile „'Text'“ in der Komponente „L“; erwartet wird eine Eigenschaft „Name = Wert“ in "
       "einer Zeile oder „end“."},
      {"component inside a component",
       head + "  object P: TPaintBox\n    object L: TLabel\n    end\n  end\nend\n",
       "Zeile 4: Komponenten innerhalb der Komponente „P“ werden nicht unterstützt."},
      {"file ends in a component", head + "  object S: TShape\n    Left = 3\n",
       "Zeile 4: Die Datei endet in der Komponente „S“; „end“ fehlt."},
      {"form not closed", head + "  object S: TShape\n  end\n", "Zeile 4: Die Datei endet im Formular; sein „end“ fehlt."},
      {"no components", head + "end\n", "Zeile 3: Das Formular enthält keine Komponenten."},
      {"text after the form", head + "  object S: TShape\n  end\nend\nobject G: TForm\n",
       "Zeile 6: Nach dem „end“ des Formulars steht noch „object G: TForm“."},
      {"not a form", "Left = 1\n", "Zeile 1: Ein Formular beginnt mit „object Name: Art“, nicht mit „Left = 1“."},
      {"empty file", "", "Die Datei enthält kein Formular."},
      {"no kind", head + "  object S:\n  end\nend\n",
       "Zeile 3: Die Zeile „object S:“ nennt keine Komponentenart; erwartet wird „object Name: Art“."},
  };
  for (const Case& c : cases) {
    QTemporaryDir dir;
    const QString form = dir.filePath(QStringLiteral("fehler.dfm"));
    WriteAll(form, c.form);
    const ToolRun r = Mklayout({form, dir.filePath(QStringLiteral("FEHLER.CFM"))});
    EXPECT_EQ(r.exitCode, 1) << c.what;
    const std::string prefix = "mklayout: Fehler in „" + form.toStdString() + "“";
    const std::string expected = prefix + (c.message.starts_with("Zeile") ? ", " : ": ") + c.message + "\n";
    EXPECT_EQ(r.err, expected) << c.what;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("fehler.dfm")}) << c.what;
  }
}

TEST(Mklayout, UnreadableFormsAndUnwritableTargetsAreReportedToo) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("fehlt.dfm"));
  ToolRun r = Mklayout({missing, dir.filePath(QStringLiteral("FEHLT.CFM"))});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "mklayout: Fehler in „" + missing.toStdString() + "“: Die Datei „" + missing.toStdString() +
                       "“ kann nicht gelesen werden.\n");

  const QString target = dir.filePath(QStringLiteral("kein/Ordner/MUSTER.CFM"));
  r = Mklayout({kMuster, target});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "mklayout: Fehler in „" + kMuster.toStdString() + "“: Die Layoutdatei „" + target.toStdString() +
                       "“ kann nicht geschrieben werden.\n");
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

  for (const QStringList& args : {QStringList{}, QStringList{kMuster}, QStringList{kMuster, target, target}}) {
    r = Mklayout(args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "Aufruf: mklayout [--verbose] <Formulartext> <Layoutdatei>\n");
  }
}

}  // namespace
