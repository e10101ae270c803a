// What `make install` puts under the prefix, and the desktop's own tools on it:
// the program, its resource folder, the desktop entry, the program's icon and
// the .btn file type.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/support/ProgramFolders.h"
#include "tests/core/images/ImageTestSupport.h"
#include "tests/install/InstallSupport.h"
#include "tests/support/TestFiles.h"

using namespace kestrova;
namespace fs = std::filesystem;
namespace im = kestrova::testing;

namespace {

// The files below a folder, as paths relative to it.
std::set<std::string> FilesBelow(const std::string& folder) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).string());
  }
  return files;
}

// What the program's resource folder holds: the source tree's resources
// without the generator and the desktop files.
std::set<std::string> ResourceFolderFiles() {
  std::set<std::string> files;
  for (const std::string& file : FilesBelow(test::SourceResources())) {
    if (!file.starts_with("generator/") && !file.starts_with("desktop/") && file != "README.md") files.insert(file);
  }
  return files;
}

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

}  // namespace

TEST(InstalledTree, HoldsTheProgramAndACopyOfEveryResource) {
  const std::string prefix = test::InstalledPrefix();
  struct stat st {};
  ASSERT_EQ(::stat((prefix + "bin/kestrova").c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IXOTH, 0u);

  const std::set<std::string> expected = ResourceFolderFiles();
  EXPECT_EQ(FilesBelow(test::InstalledResources()), expected);
  for (const char* needed : {"presets-default.ini", "bullets.ini", "Kestroen.html", "Kestropl.html"}) {
    EXPECT_EQ(expected.count(needed), 1u) << needed;
  }
  for (const std::string& file : expected) {
    EXPECT_EQ(test::ReadBytes(test::InstalledResources() + file), test::ReadBytes(test::SourceResources() + file))
        << file;
  }

  for (const char* file : {"share/applications/kestrova.desktop", "share/mime/packages/kestrova.xml",
                           "share/icons/hicolor/scalable/apps/kestrova.svg"}) {
    EXPECT_TRUE(fs::is_regular_file(prefix + file)) << file;
  }
  for (int size : kIconSizes) {
    const std::string file = "share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/kestrova.png";
    EXPECT_TRUE(fs::is_regular_file(prefix + file)) << file;
  }
}

TEST(InstalledTree, TheProgramLooksForResourcesInItsOwnPrefix) {
  const std::vector<std::string> folders = ResourceFoldersOf(test::InstalledProgram());
  ASSERT_GE(folders.size(), 2u);
  EXPECT_EQ(folders[0], test::InstalledPrefix() + "bin/");
  EXPECT_EQ(folders[1], test::InstalledResources());
}

TEST(BuildFolder, AProgramStartedThereFindsTheSourceTreesResourcesNextToIt) {
  const std::string folder = ResourceFoldersOf(KESTROVA_PROGRAM).front();
  for (const std::string& file : ResourceFolderFiles()) {
    EXPECT_EQ(test::ReadBytes(folder + file), test::ReadBytes(test::SourceResources() + file)) << folder << file;
  }
}

TEST(DesktopEntry, PassesTheValidatorAndNamesWhatIsInstalled) {
  if (!test::HaveProgram("/usr/bin/desktop-file-validate")) GTEST_SKIP() << "desktop-file-utils not installed";
  const std::string entry = test::InstalledPrefix() + "share/applications/kestrova.desktop";
  const test::CommandResult check = test::RunCommand("/usr/bin/desktop-file-validate " + test::Quoted(entry));
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_EQ(check.output, "");
  const std::string text = test::ReadBytes(entry);
  const std::string exec = "\nExec=" KESTROVA_INSTALL_PREFIX "/bin/kestrova %f\n";
  EXPECT_NE(text.find(exec), std::string::npos) << "opens a project given as a file, by the program's full path";
  EXPECT_NE(text.find("\nIcon=kestrova\n"), std::string::npos);
  EXPECT_NE(text.find("\nMimeType=application/x-kestrova-project;\n"), std::string::npos);
}

TEST(DesktopEntry, StartsTheProgramUnderAnyPrefixWithTheFileOpened) {
  if (!test::HaveProgram("/usr/bin/gio")) GTEST_SKIP() << "libglib2.0-bin not installed";
  // The entry alone, under a prefix holding characters that an Exec line quotes
  // or escapes; at the prefix's bin/kestrova a stand-in writes down its arguments.
  test::TempFolder folder;
  const std::string prefix = folder / "opt/Kestrova 2 \"$HOME\" `x`";
  const test::CommandResult install = test::RunCommand("DESTDIR= " KESTROVA_CMAKE " --install " KESTROVA_BUILD_DIR
                                                       " --component desktop-entry --prefix " + test::Quoted(prefix));
  ASSERT_EQ(install.status, 0) << install.output;
  const std::string entry = prefix + "/share/applications/kestrova.desktop";
  if (test::HaveProgram("/usr/bin/desktop-file-validate")) {
    const test::CommandResult check = test::RunCommand("/usr/bin/desktop-file-validate " + test::Quoted(entry));
    EXPECT_EQ(check.output, "") << test::ReadBytes(entry);
  }
  fs::create_directories(prefix + "/bin");
  test::WriteBytes(prefix + "/bin/kestrova", "#!/bin/sh\nprintf '%s\\n' \"$@\" >" + test::Quoted(folder / "part") +
                                                 " && mv " + test::Quoted(folder / "part") + " " +
                                                 test::Quoted(folder / "opened") + "\n");
  fs::permissions(prefix + "/bin/kestrova", fs::perms::owner_all);
  const std::string project = folder / "a project.btn";
  test::WriteBytes(project, "");

  const test::CommandResult launch =
      test::RunCommand("/usr/bin/gio launch " + test::Quoted(entry) + " " + test::Quoted(project));
  ASSERT_EQ(launch.status, 0) << launch.output << test::ReadBytes(entry);
  for (int i = 0; i < 100 && !fs::exists(folder / "opened"); ++i) ::usleep(100 * 1000);
  EXPECT_EQ(test::ReadBytes(folder / "opened"), project + "\n") << test::ReadBytes(entry);
}

TEST(FileType, BtnFilesBecomeKestrovaProjects) {
  if (!test::HaveProgram("/usr/bin/update-mime-database")) GTEST_SKIP() << "shared-mime-info not installed";
  // A private database holding only our package, built the way the desktop builds its own.
  test::TempFolder folder;
  fs::create_directories(folder / "mime/packages");
  fs::copy_file(test::InstalledPrefix() + "share/mime/packages/kestrova.xml", folder / "mime/packages/kestrova.xml");
  const test::CommandResult update = test::RunCommand("XDG_DATA_DIRS=" + test::Quoted(folder.Path()) +
                                                      " /usr/bin/update-mime-database " + test::Quoted(folder / "mime"));
  EXPECT_EQ(update.status, 0) << update.output;
  EXPECT_EQ(update.output, "");
  EXPECT_NE(test::ReadBytes(folder / "mime/globs2").find(":application/x-kestrova-project:*.btn"), std::string::npos);
  EXPECT_TRUE(fs::is_regular_file(folder / "mime/application/x-kestrova-project.xml"));
}

TEST(ProgramIcon, EverySizeDecodesAtItsSizeAndMatchesTheDrawing) {
  if (!im::HaveImageMagick()) GTEST_SKIP() << "ImageMagick not installed";
  const std::string hicolor = test::InstalledPrefix() + "share/icons/hicolor/";
  for (int size : kIconSizes) {
    const std::string png = hicolor + std::to_string(size) + "x" + std::to_string(size) + "/apps/kestrova.png";
    const Bitmap picture = im::DecodeWithImageMagick(png);
    EXPECT_EQ(picture.Width(), size) << png;
    EXPECT_EQ(picture.Height(), size) << png;
  }
  const std::string svg = hicolor + "scalable/apps/kestrova.svg";
  const test::CommandResult wellFormed = test::RunCommand("/usr/bin/xmllint --noout " + test::Quoted(svg));
  EXPECT_EQ(wellFormed.status, 0) << wellFormed.output;
  if (!test::HaveProgram("/usr/bin/rsvg-convert")) GTEST_SKIP() << "librsvg2-bin not installed";
  // The PNG sizes are renderings of the SVG drawing: render it again and compare, both flattened on white.
  test::TempFolder folder;
  const test::CommandResult render =
      test::RunCommand("/usr/bin/rsvg-convert -w 48 -h 48 " + test::Quoted(svg) + " -o " + test::Quoted(folder / "48.png"));
  ASSERT_EQ(render.status, 0) << render.output;
  const auto flat = [](const std::string& path) {
    return im::ParsePpm(im::RunConvert(test::Quoted(path) + " -background white -flatten -depth 8 ppm:-"));
  };
  EXPECT_TRUE(im::SamePixels(flat(folder / "48.png"), flat(hicolor + "48x48/apps/kestrova.png"), 8));
}
