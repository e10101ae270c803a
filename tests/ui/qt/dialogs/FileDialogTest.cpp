// The file dialogs as the model's dialogs describe them, and the picture
// preview of the open-picture dialog: a GIF of several frames plays, and its
// painter thread ends whenever the selection moves on or the dialog goes.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

#include "tests/support/LargeAnimation.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WatchedFifo.h"
#include "tests/ui/qt/WindowTestSupport.h"
#include "ui/model/form/MainForm.h"
#include "ui/model/language/Language.h"
#include "ui/qt/dialogs/Dialogs.h"
#include "ui/qt/dialogs/FileDialog.h"
#include "ui/qt/dialogs/PicturePreview.h"

using namespace kestrova;
using namespace kestrova::qt;
using namespace kestrova::test;

namespace {

std::string ReadLine(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// Threads of this process named as the process is: the main thread and every
// std::thread (Qt names its own threads after their classes).
int UnnamedThreads() {
  const std::string own = ReadLine("/proc/self/comm");
  int count = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    if (ReadLine(task.path() / "comm") == own) ++count;
  }
  return count;
}

// Makes the file of that name current in the dialog's list, as a click does.
void Select(FileDialog& dialog, const QString& name) {
  auto* list = dialog.findChild<QListView*>("listView");
  ASSERT_NE(list, nullptr);
  QModelIndex found;
  WaitUntil([&] {
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
      const QModelIndex index = model->index(row, 0, list->rootIndex());
      if (index.data().toString() == name) found = index;
    }
    return found.isValid();
  });
  list->setCurrentIndex(found);
}

QRgb CentreOf(QWidget* widget) {
  const QImage shown = widget->grab().toImage();
  return shown.pixel(shown.width() / 2, shown.height() / 2 - 8);
}

// Closes the message box the dialog is about to show, once it shows.
void AnswerNextMessageBox() {
  QTimer::singleShot(0, [] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(top); box != nullptr && box->isVisible()) box->accept();
    }
  });
}

// An empty regular file that tells when anything opens it, as /proc/kmsg
// stands in a listing: a regular file that reports no size and whose reading
// may never end. A child process holds a lease on it, so that opening it waits
// until the child has noticed, recorded it and let the opening go on.
class OpenWatchedFile {
 public:
  explicit OpenWatchedFile(const std::string& path) {
    WriteBytes(path, "");
    int report[2], stop[2];
    if (::pipe2(report, O_CLOEXEC) != 0 || ::pipe2(stop, O_CLOEXEC) != 0) return;
    child_ = ::fork();
    if (child_ == 0) Hold(path, report[1], stop[0]);
    ::close(report[1]);
    ::close(stop[0]);
    report_ = report[0];
    stop_ = stop[1];
    char said = 0;
    ready_ = child_ > 0 && ::read(report_, &said, 1) == 1 && said == 'r';
  }
  ~OpenWatchedFile() {
    // A child that is not ready has ended already (writing to it would raise SIGPIPE here).
    if (ready_ && ::write(stop_, "s", 1) != 1) ::kill(child_, SIGKILL);
    if (child_ > 0) ::waitpid(child_, nullptr, 0);
    ::close(report_);
    ::close(stop_);
  }
  bool Ready() const { return ready_; }
  // True once anything has opened the file.
  bool Opened() {
    pollfd said{report_, POLLIN, 0};
    char what = 0;
    if (!opened_ && ::poll(&said, 1, 0) == 1 && ::read(report_, &what, 1) == 1) opened_ = what == 'o';
    return opened_;
  }

 private:
  // The child: takes the lease, says it is ready, and waits for an opening
  // (the lease's signal) or the end of the test.
  [[noreturn]] static void Hold(const std::string& path, int report, int stop) {
    sigset_t leaseSignal;
    sigemptyset(&leaseSignal);
    sigaddset(&leaseSignal, SIGIO);
    ::sigprocmask(SIG_BLOCK, &leaseSignal, nullptr);
    const int noticed = ::signalfd(-1, &leaseSignal, 0);
    const int file = ::open(path.c_str(), O_RDONLY);
    if (noticed < 0 || file < 0 || ::fcntl(file, F_SETLEASE, F_WRLCK) != 0) ::_exit(1);
    if (::write(report, "r", 1) != 1) ::_exit(1);
    pollfd waits[2] = {{noticed, POLLIN, 0}, {stop, POLLIN, 0}};
    while (::poll(waits, 2, -1) < 0 || (waits[1].revents & (POLLIN | POLLHUP)) == 0) {
      if ((waits[0].revents & POLLIN) == 0) continue;
      signalfd_siginfo told;
      if (::read(noticed, &told, sizeof told) == sizeof told && ::write(report, "o", 1) == 1) {
        ::fcntl(file, F_SETLEASE, F_UNLCK);
      }
      waits[0].fd = -1;  // told once
    }
    ::_exit(0);
  }

  pid_t child_ = -1;
  int report_ = -1;
  int stop_ = -1;
  bool ready_ = false;
  bool opened_ = false;
};

// A folder of special files beside a picture, as /proc holds them.
struct SpecialFolder {
  SpecialFolder() {
    std::filesystem::copy_file(KESTROVA_TEST_DATA "/pngsuite/basn3p08.png", folder / "still.png");
    EXPECT_TRUE(kmsg.Ready() && empty.Ready() && pipe.Ready() && picturePipe.Ready());
  }
  // The names of those opened, "" when none was.
  std::string Opened() {
    std::string names;
    for (auto [name, opened] : {std::pair{"kmsg ", kmsg.Opened()}, std::pair{"empty.png ", empty.Opened()},
                                std::pair{"pipe ", pipe.Opened()}, std::pair{"pipe.png ", picturePipe.Opened()}}) {
      if (opened) names += name;
    }
    return names;
  }

  TempFolder folder;
  OpenWatchedFile kmsg{folder / "kmsg"};
  OpenWatchedFile empty{folder / "empty.png"};
  WatchedFifo pipe{folder / "pipe"};
  WatchedFifo picturePipe{folder / "pipe.png"};
};

// The names the dialog's list shows.
QStringList Listed(QFileDialog& dialog) {
  QStringList names;
  auto* list = dialog.findChild<QListView*>("listView");
  if (list == nullptr) return names;
  const QAbstractItemModel* model = list->model();
  for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
    names << model->index(row, 0, list->rootIndex()).data().toString();
  }
  names.sort();
  return names;
}

}  // namespace

TEST(FileDialogFilters, BecomeQtNameFiltersMatchedWithoutCase) {
  EXPECT_EQ(QtNameFilters("Kestrova files (*.btn)|*.btn|All files (*.*)|*.*"),
            QStringList({"Kestrova files (*.btn) (*.[bB][tT][nN])", "All files (*.*) (*)"}));
  EXPECT_EQ(QtNameFilters("JPG images (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg"),
            QStringList({"JPG images (*.jpg;*.jpe;*.jpeg) (*.[jJ][pP][gG] *.[jJ][pP][eE] *.[jJ][pP][eE][gG])"}));
  EXPECT_EQ(QtNameFilters(""), QStringList());
  EXPECT_EQ(QtNameFilters("No patterns"), QStringList());
}

TEST(FileDialogs, TakeTheirTitleFilterExtensionAndRulesFromTheModel) {
  TForm1 form;
  struct Case {
    const TFileDialog& settings;
    QFileDialog::AcceptMode mode;
    QFileDialog::FileMode files;
    const char* suffix;
    bool confirmOverwrite;
    int filters;
    bool preview;
  };
  const Case cases[] = {
      {form.OpenDialog1, QFileDialog::AcceptOpen, QFileDialog::ExistingFile, "txt", true, 2, false},
      {form.SaveDialog1, QFileDialog::AcceptSave, QFileDialog::AnyFile, "txt", true, 2, false},
      {form.OpenDialog2, QFileDialog::AcceptOpen, QFileDialog::ExistingFile, "btn", true, 2, false},
      {form.SaveDialog2, QFileDialog::AcceptSave, QFileDialog::AnyFile, "btn", true, 2, false},
      {form.OpenPictureDialog1, QFileDialog::AcceptOpen, QFileDialog::ExistingFile, "", true, 7, true},
      {form.SavePictureDialog1, QFileDialog::AcceptSave, QFileDialog::AnyFile, "bmp", false, 5, false},
  };
  for (const Case& c : cases) {
    FileDialog dialog(c.settings);
    const std::string name = c.settings.Name();
    EXPECT_EQ(dialog.objectName().toStdString(), name);
    EXPECT_EQ(dialog.windowTitle().toStdString(), c.settings.Title()) << name;
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog)) << name;
    EXPECT_EQ(dialog.acceptMode(), c.mode) << name;
    EXPECT_EQ(dialog.fileMode(), c.files) << name;
    EXPECT_EQ(dialog.defaultSuffix(), c.suffix) << name;
    if (c.mode == QFileDialog::AcceptSave) {
      EXPECT_EQ(!dialog.testOption(QFileDialog::DontConfirmOverwrite), c.confirmOverwrite) << name;
    }
    EXPECT_EQ(dialog.nameFilters().size(), c.filters) << name;
    EXPECT_EQ(dialog.Preview() != nullptr, c.preview) << name;
  }
  // The list of file types shows the descriptions as the language gives them.
  FileDialog project(form.OpenDialog2);
  auto* types = project.findChild<QComboBox*>("fileTypeCombo");
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(types->itemText(0), "Kestrova files (*.btn)");
  EXPECT_EQ(types->itemText(1), "All files (*.*)");
}

TEST(FileDialogs, StartAtTheirFileNameAndAddTheDefaultExtension) {
  TempFolder folder;
  TForm1 form;
  form.SaveDialog2.SetFileName(folder / "site.btn");
  FileDialog dialog(form.SaveDialog2);
  EXPECT_EQ(dialog.directory().absolutePath().toStdString() + "/", folder.Path());
  EXPECT_EQ(dialog.findChild<QLineEdit*>("fileNameEdit")->text(), "site.btn");
  dialog.show();
  dialog.findChild<QLineEdit*>("fileNameEdit")->setText("menu");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.ChosenFiles(), std::vector<std::string>{folder / "menu.btn"});
}

TEST(FileDialogs, ASaveDialogRefusesAFileInAFolderThatDoesNotExist) {
  TempFolder folder;
  TForm1 form;
  FileDialog dialog(form.SaveDialog1);
  dialog.setDirectory(QString::fromStdString(folder.Path()));
  dialog.show();
  auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
  name->setText("missing/captions.txt");
  AnswerNextMessageBox();
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  name->setText("captions.txt");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.ChosenFiles(), std::vector<std::string>{folder / "captions.txt"});
}

TEST(PicturePreview, ShowsAStillPictureAtItsSizeAndNothingForAFileThatIsNoPicture) {
  TempFolder folder;
  std::filesystem::copy_file(KESTROVA_TEST_DATA "/pngsuite/basn3p08.png", folder / "still.png");
  WriteBytes(folder / "notes.png", "no picture");
  PicturePreview preview;
  preview.resize(200, 200);
  preview.ShowFile(QString::fromStdString(folder / "still.png"));
  EXPECT_FALSE(preview.Animated());
  EXPECT_EQ(preview.PictureSize(), QSize(32, 32));
  EXPECT_NE(CentreOf(&preview), preview.palette().color(QPalette::Base).rgb());
  preview.ShowFile(QString::fromStdString(folder / "notes.png"));
  EXPECT_EQ(preview.PictureSize(), QSize());
  preview.ShowFile(QString::fromStdString(folder.Path()));
  EXPECT_EQ(preview.PictureSize(), QSize());
}

TEST(PicturePreview, PlaysAGifInTheOpenPictureDialogAndEndsItsThreadOnEveryChange) {
  TempFolder folder;
  std::filesystem::copy_file(KESTROVA_TEST_DATA "/gif/im_fast_frames.gif", folder / "fast.gif");
  std::filesystem::copy_file(KESTROVA_TEST_DATA "/pngsuite/basn3p08.png", folder / "still.png");
  TForm1 form;
  auto dialog = std::make_unique<FileDialog>(form.OpenPictureDialog1);
  dialog->setDirectory(QString::fromStdString(folder.Path()));
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get(), kNoTimeLimit));
  PicturePreview* preview = dialog->Preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible());
  Select(*dialog, "still.png");
  const int before = UnnamedThreads();

  Select(*dialog, "fast.gif");
  ASSERT_TRUE(preview->Animated());
  EXPECT_EQ(preview->PictureSize(), QSize(24, 16));
  // Red, green and blue frames follow one another in the preview.
  std::set<QRgb> frames;
  WaitUntil([&] {
    frames.insert(CentreOf(preview));
    return frames.size() >= 3;
  });
  EXPECT_EQ(frames, (std::set<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}));
  EXPECT_EQ(UnnamedThreads(), before + 1);

  Select(*dialog, "still.png");
  EXPECT_FALSE(preview->Animated());
  EXPECT_EQ(UnnamedThreads(), before);
  QTest::qWait(100);  // frames the stopped painter had queued arrive and do nothing

  // Playing again, then the dialog goes while frames are on their way.
  Select(*dialog, "fast.gif");
  CentreOf(preview);
  EXPECT_EQ(UnnamedThreads(), before + 1);
  QTest::qWait(30);
  dialog.reset();
  EXPECT_EQ(UnnamedThreads(), before);
  QTest::qWait(100);
}

TEST(PicturePreview, ClosingTheDialogStopsThePlayingGif) {
  TempFolder folder;
  std::filesystem::copy_file(KESTROVA_TEST_DATA "/gif/im_fast_frames.gif", folder / "fast.gif");
  TForm1 form;
  FileDialog dialog(form.OpenPictureDialog1);
  dialog.setDirectory(QString::fromStdString(folder.Path()));
  dialog.show();
  const int before = UnnamedThreads();
  Select(dialog, "fast.gif");
  CentreOf(dialog.Preview());
  EXPECT_EQ(UnnamedThreads(), before + 1);
  dialog.reject();
  EXPECT_FALSE(dialog.Preview()->Animated());
  EXPECT_EQ(UnnamedThreads(), before);
}

TEST(PicturePreview, AnAnimationOfManyTinyFramesIsRefusedWithinBoundedMemoryAndFreedOnClose) {
  // 200,000 frames of one pixel in 3 MB take some 500 MB loaded and drawn:
  // the preview refuses them with its heap grown by less than 64 MiB. What it
  // holds while it plays an animation it takes is freed when the dialog closes.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const OutOfMemoryChildren children;
  EXPECT_EXIT(
      {
        TempFolder folder;
        WriteBytes(folder / "many.gif", LargeAnimation(200'000, 1, 1));
        WriteBytes(folder / "some.gif", LargeAnimation(2'000, 1, 1));
        TForm1 form;
        FileDialog dialog(form.OpenPictureDialog1);
        dialog.setDirectory(QString::fromStdString(folder.Path()));
        dialog.show();
        PicturePreview* preview = dialog.Preview();
        const std::int64_t heap = HeapSize();
        Select(dialog, "many.gif");
        if (preview->Animated() || preview->Note() != "Animation too large to play") std::_Exit(1);
        if (HeapSize() - heap >= std::int64_t{64} << 20) std::_Exit(2);
        const std::int64_t held = AllocatedBytes();
        Select(dialog, "some.gif");
        if (!preview->Animated()) std::_Exit(3);
        CentreOf(preview);
        dialog.reject();
        std::_Exit(AllocatedBytes() - held < std::int64_t{1} << 20 ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(FileDialogs, ListAFolderOfSpecialFilesWithoutOpeningAnyOfThem) {
  SpecialFolder special;
  TForm1 form;
  struct Case {
    TFileDialog& settings;
    int filter;  // the "All files" filter of the captions dialog shows everything
    QStringList listed;
  };
  const Case cases[] = {
      {form.OpenDialog1, 1, {"empty.png", "kmsg", "still.png"}},
      {form.OpenPictureDialog1, 0, {"empty.png", "still.png"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings.Name());
    FileDialog dialog(c.settings);
    dialog.setDirectory(QString::fromStdString(special.folder.Path()));
    dialog.selectNameFilter(dialog.nameFilters()[c.filter]);
    dialog.show();
    WaitUntil([&] { return Listed(dialog) == c.listed; });
    for (const QString& name : c.listed) Select(dialog, name);
    QTest::qWait(100);  // the file list's details and the preview come in
    EXPECT_EQ(special.Opened(), "");
    dialog.reject();
  }
  EXPECT_EQ(special.Opened(), "");
}

TEST(FileDialogs, TheFolderBrowserListsAFolderOfSpecialFilesWithoutOpeningAnyOfThem) {
  SpecialFolder special;
  std::filesystem::create_directories(special.folder / "sub");
  QWidget owner;
  QStringList listed;
  WhenModalShown([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    WaitUntil([&] { return Listed(*dialog) == QStringList{"sub"}; });
    listed = Listed(*dialog);
    QTest::qWait(100);
    dialog->reject();
  });
  EXPECT_EQ(qt::DefaultDialogs(&owner).ChooseFolder(special.folder.Path()), std::nullopt);
  EXPECT_EQ(listed, QStringList{"sub"});
  EXPECT_EQ(special.Opened(), "");
}

TEST(PicturePreview, ShowsNothingForAnEmptyOrSpecialFileWithoutOpeningIt) {
  SpecialFolder special;
  PicturePreview preview;
  for (const char* name : {"empty.png", "kmsg", "pipe.png", "pipe"}) {
    preview.ShowFile(QString::fromStdString(special.folder / name));
    EXPECT_EQ(preview.PictureSize(), QSize()) << name;
  }
  preview.ShowFile(QString::fromStdString(special.folder / "still.png"));
  EXPECT_EQ(preview.PictureSize(), QSize(32, 32));
  QTest::qWait(100);
  EXPECT_EQ(special.Opened(), "");
}

TEST(PicturePreview, AnAnimationTooLargeToPlayShowsItsFirstFrameWithANote) {
  TempFolder folder;
  // 40 frames of 1000 x 1000 (40 Mi pixels when decoded) in 560 bytes; a
  // screen of 2100 x 2100; and a small animation for comparison.
  WriteBytes(folder / "long.gif", LargeAnimation(40, 1000, 1000));
  WriteBytes(folder / "wide.gif", LargeAnimation(2, 2100, 2100));
  WriteBytes(folder / "small.gif", LargeAnimation(2, 300, 200));
  PicturePreview preview;
  preview.resize(200, 200);
  for (const char* name : {"long.gif", "wide.gif"}) {
    SCOPED_TRACE(name);
    preview.ShowFile(QString::fromStdString(folder / name));
    EXPECT_FALSE(preview.Animated());
    EXPECT_EQ(preview.Note(), "Animation too large to play");
    EXPECT_EQ(CentreOf(&preview), qRgb(0, 0, 0));
  }
  EXPECT_EQ(preview.PictureSize(), QSize(2100, 2100));
  preview.ShowFile(QString::fromStdString(folder / "small.gif"));
  EXPECT_TRUE(preview.Animated());
  EXPECT_EQ(preview.Note(), "");

  // The note is in the interface's language.
  SetLangIndex(lgGerman);
  preview.ShowFile(QString::fromStdString(folder / "long.gif"));
  SetLangIndex(lgEnglish);
  EXPECT_EQ(preview.Note(), QString::fromUtf8("Animation zu groß zum Abspielen"));
  EXPECT_EQ(preview.PictureSize(), QSize(1000, 1000));
  preview.Clear();
  EXPECT_EQ(preview.Note(), "");
}
