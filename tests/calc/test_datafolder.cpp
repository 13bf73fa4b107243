// Where TAVI.DAT and TAVI.INI live: the program's folder when this user may
// write there, else the user's data folder, decided by trying. The cases run
// as an unprivileged user, since root may write everywhere.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "datafolder.h"
#include "filetest.h"
#include "posixtest.h"

namespace {

TEST(UserDataFolder, FromXdgDataHomeOrHome) {
  const struct {
    const char* xdg;
    const char* home;
    const char* expected;
  } cases[] = {
      {"", "/home/erika", "/home/erika/.local/share/tavi"},
      {"/data/erika/", "/home/erika", "/data/erika/tavi"},
      {"relativ", "/home/erika", "/home/erika/.local/share/tavi"},  // XDG: only absolute paths count
      {"", "", ""},
      {"", "relativ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UserDataFolder(c.xdg, c.home), c.expected) << c.xdg << " | " << c.home;
}

enum class tHome { Writable, ReadOnly, Missing };

struct tFolderCase {
  const char* name;
  mode_t programMode;   // of the program's folder (owned by root)
  tHome home;           // the user's home
  bool programFiles;    // the program's folder holds TAVI.DAT and TAVI.INI
  bool userDataFile;    // the user's data folder already holds a TAVI.DAT of its own
  tDataFolderUse use;
  tDataFolderKind kind;
  const char* dataIn;      // folder of the answered TAVI.DAT: "prog" or "user"
  const char* settingsIn;  // of TAVI.INI
};

const tFolderCase kCases[] = {
    {"program folder writable", 0777, tHome::Writable, true, false, tDataFolderUse::Prepare,
     tDataFolderKind::ProgramFolder, "prog", "prog"},
    {"root-owned program folder", 0755, tHome::Writable, true, false, tDataFolderUse::Prepare,
     tDataFolderKind::UserFolder, "user", "user"},
    {"own data kept", 0755, tHome::Writable, true, true, tDataFolderUse::Prepare, tDataFolderKind::UserFolder,
     "user", "user"},
    {"no starting files", 0755, tHome::Writable, false, false, tDataFolderUse::Prepare,
     tDataFolderKind::UserFolder, "user", "user"},
    {"read-only home", 0755, tHome::ReadOnly, true, false, tDataFolderUse::Prepare, tDataFolderKind::None, "prog",
     "prog"},
    {"no home folder", 0755, tHome::Missing, true, false, tDataFolderUse::Prepare, tDataFolderKind::None, "prog",
     "prog"},
    {"reader before the first start", 0755, tHome::Writable, true, false, tDataFolderUse::ReadOnly,
     tDataFolderKind::UserFolder, "prog", "prog"},
    {"reader after a start", 0755, tHome::Writable, true, true, tDataFolderUse::ReadOnly,
     tDataFolderKind::UserFolder, "user", "prog"},
    {"reader, program folder writable", 0777, tHome::Writable, true, true, tDataFolderUse::ReadOnly,
     tDataFolderKind::ProgramFolder, "prog", "prog"},
};

TEST(ChooseDataFolder, ByTryingAsAnUnprivilegedUser) {
  for (const tFolderCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    fs::permissions(dir.Path(), fs::perms(0755));
    const std::string prog = dir.File("prog"), home = dir.File("home"), user = home + "/.local/share/tavi";
    fs::create_directory(prog);
    if (c.programFiles) {
      WriteAll(prog + "/TAVI.DAT", "starting record");
      WriteAll(prog + "/TAVI.INI", "[Druckereinstellungen]\n");
    }
    fs::permissions(prog, fs::perms(c.programMode));
    if (c.home != tHome::Missing) {
      fs::create_directory(home);
      if (c.userDataFile) {
        fs::create_directories(user);
        WriteAll(user + "/TAVI.DAT", "own record");
        ASSERT_EQ(::chown(user.c_str(), posixtest::TestUserId(), posixtest::TestGroupId()), 0);
        ASSERT_EQ(::chown((user + "/TAVI.DAT").c_str(), posixtest::TestUserId(), posixtest::TestGroupId()), 0);
      }
      if (c.home == tHome::Writable) {
        ASSERT_EQ(::chown(home.c_str(), posixtest::TestUserId(), posixtest::TestGroupId()), 0);
      }
    }
    const std::string expectedData = (std::string(c.dataIn) == "prog" ? prog : user) + "/TAVI.DAT";
    const std::string expectedSettings = (std::string(c.settingsIn) == "prog" ? prog : user) + "/TAVI.INI";
    const int verdict = posixtest::RunInChild(
        [&] {
          const tDataFolderChoice choice =
              ChooseDataFolder(prog + "/", c.home == tHome::Missing ? std::string() : user, c.use);
          if (choice.Kind != c.kind) return 1;
          if (choice.DataFile != expectedData) return 2;
          if (choice.SettingsFile != expectedSettings) return 3;
          if ((choice.Kind == tDataFolderKind::None) != (choice.SysError != 0)) return 4;
          return 0;
        },
        true);
    if (verdict == posixtest::kCannotDrop) GTEST_SKIP() << "cannot drop to nobody";
    EXPECT_EQ(verdict, 0);

    // The program's folder is never changed, and the probe leaves nothing.
    const std::vector<std::string> programFiles = {"TAVI.DAT", "TAVI.INI"};
    EXPECT_EQ(Entries(prog), c.programFiles ? programFiles : std::vector<std::string>());
    if (c.programFiles) {
      EXPECT_EQ(ReadAll(prog + "/TAVI.DAT"), "starting record");
    }
    const bool prepared = c.use == tDataFolderUse::Prepare && c.kind == tDataFolderKind::UserFolder;
    struct stat st {};
    const bool userFolderExists = ::stat(user.c_str(), &st) == 0;
    EXPECT_EQ(userFolderExists, prepared || c.userDataFile);
    if (!prepared) continue;
    EXPECT_EQ(st.st_mode & 0777, c.userDataFile ? st.st_mode & 0777 : 0700u);
    // The starting point is copied; a file of the user's own is not replaced.
    EXPECT_EQ(ReadAll(user + "/TAVI.DAT"), c.userDataFile ? "own record" : c.programFiles ? "starting record" : "");
    EXPECT_EQ(fs::exists(user + "/TAVI.INI"), c.programFiles);
  }
}

}  // namespace
