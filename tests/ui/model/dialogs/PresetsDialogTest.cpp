#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <optional>

#include "core/files/IniFile.h"
#include "core/files/PresetFiles.h"
#include "core/files/ProjectFile.h"
#include "rendering/BaseImageComposer.h"
#include "tests/support/TestFiles.h"
#include "ui/model/dialogs/PresetsDialog.h"

using namespace kestrova;

namespace {

// A preset file of `count` sections "preset1", "preset2", ... with distinct gradient colours.
std::string PresetText(int count, int firstColour = 0x100000) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text += "[preset" + std::to_string(i) + "]\r\ngradient=1\r\ngc1=" + std::to_string(firstColour + i) +
            "\r\ngc2=255\r\nFrameWidth=" + std::to_string(i) + "\r\n";
  }
  return text;
}

struct PresetsDialog : ::testing::Test {
  PresetsDialog() {
    MessageBoxFunction = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
      messages.push_back(text);
      return answer;
    };
    std::filesystem::create_directories(sandbox.Shared(""));
    std::filesystem::create_directories(sandbox.Writable(""));
    test::WriteBytes(sandbox.Shared("presets-default.ini"), PresetText(3));
    PresetSets = {"default=presets-default.ini"};
    CurrentPresetSet = "default";
    dialog.emplace(form, Hooks());
  }
  ~PresetsDialog() override {
    MessageBoxFunction = nullptr;
    PresetSets.clear();
    CurrentPresetSet.clear();
  }
  TPresetsDialogHooks Hooks() {
    TPresetsDialogHooks hooks;
    hooks.OpenFile = [this](const std::string& title, const std::string& filter) {
      asked.push_back(title + " | " + filter);
      return chosenFile;
    };
    hooks.InputQuery = [this](const std::string& caption, const std::string& prompt, const std::string& start) {
      asked.push_back(caption + " | " + prompt + " | " + start);
      return typedName;
    };
    return hooks;
  }
  std::vector<std::string> Sections() const {
    std::vector<std::string> cells;
    for (const TPresetCell& cell : dialog->Cells()) cells.push_back(cell.section);
    return cells;
  }
  std::vector<std::string> SetNames() const { return dialog->ComboPresets.Items(); }

  test::ProgramFolderSandbox sandbox;
  TForm1 form;
  std::optional<TBtnPresetsForm> dialog;
  std::vector<std::string> messages;
  std::vector<std::string> asked;
  int answer = mrYes;
  std::optional<std::string> chosenFile;
  std::optional<std::string> typedName;
};

}  // namespace

TEST(PresetGrid, CellsFollowTheSectionPositionsFourToARow) {
  struct Case {
    std::vector<int> positions;
    bool square;
    std::vector<TBounds> cells;
  };
  const Case cases[] = {
      // Six presets: four in the first row, two below.
      {{0, 1, 2, 3, 4, 5}, true,
       {{3, 0, 128, 128}, {131, 0, 128, 128}, {259, 0, 128, 128}, {387, 0, 128, 128}, {3, 128, 128, 128},
        {131, 128, 128, 128}}},
      {{0, 1, 2, 3, 4, 5}, false,
       {{3, 0, 128, 40}, {131, 0, 128, 40}, {259, 0, 128, 40}, {387, 0, 128, 40}, {3, 40, 128, 40}, {131, 40, 128, 40}}},
      // A section that is no preset (position 1) leaves its cell empty.
      {{0, 2}, false, {{3, 0, 128, 40}, {259, 0, 128, 40}}},
      // One at position 4 that is no preset: the row still starts at position 5's cell.
      {{3, 5}, false, {{387, 0, 128, 40}, {131, 0, 128, 40}}},
  };
  for (const Case& c : cases) {
    std::vector<TPresetSection> presets;
    for (int p : c.positions) presets.push_back({p, "preset" + std::to_string(p)});
    const std::vector<TPresetCell> cells = PresetGridCells(presets, c.square);
    ASSERT_EQ(cells.size(), c.cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
      EXPECT_EQ(cells[i].name, "B" + std::to_string(c.positions[i]));
      EXPECT_EQ(cells[i].bounds.left, c.cells[i].left) << i;
      EXPECT_EQ(cells[i].bounds.top, c.cells[i].top) << i;
      EXPECT_EQ(cells[i].bounds.width, c.cells[i].width) << i;
      EXPECT_EQ(cells[i].bounds.height, c.cells[i].height) << i;
    }
  }
}

TEST(PresetGrid, APreviewIsThePresetDrawnAsANewBaseImage) {
  test::ProgramFolderSandbox sandbox;
  std::filesystem::create_directories(sandbox.Writable(""));
  test::WriteBytes(sandbox.Writable("p.ini"), "[preset1]\r\ngradient=0\r\nRoundBtn=0\r\nBNColorFG=255\r\n");
  const TForm1 form;
  const Bitmap flat = PresetPreview(form, sandbox.Writable("p.ini"), "preset1", false);
  EXPECT_EQ(flat.Width(), 120);
  EXPECT_EQ(flat.Height(), 32);
  EXPECT_EQ(PresetPreview(form, sandbox.Writable("p.ini"), "preset1", true).Height(), 120);
  TSettings expected;
  ReadPresetKeys("preset1", nullptr, expected);
  const TIniFile ini(sandbox.Writable("p.ini"));
  ReadPresetKeys("preset1", &ini, expected);
  expected.newx = 120;
  expected.newy = 32;
  EXPECT_TRUE(flat == ComposeBaseImage(expected));
}

TEST_F(PresetsDialog, OpensOnTheCurrentSetWithTheTextsOfTheLanguage) {
  PresetSets = {"default=presets-default.ini", "other=other.ini"};
  struct Case {
    std::string current;
    int index;
    std::vector<std::string> sections;
  };
  const Case cases[] = {
      {"default", 0, {"preset1", "preset2", "preset3"}},
      {"OTHER", 1, {}},  // the name compares without case; the file does not exist
      {"", 0, {"preset1", "preset2", "preset3"}},
      {"gone", -1, {}},  // a set the list does not hold: nothing selected, nothing shown
  };
  for (const Case& c : cases) {
    CurrentPresetSet = c.current;
    dialog->FormShow();
    EXPECT_EQ(dialog->ComboPresets.ItemIndex(), c.index) << c.current;
    EXPECT_EQ(Sections(), c.sections) << c.current;
  }
  EXPECT_EQ(SetNames(), (std::vector<std::string>{"default", "other"}));
  EXPECT_EQ(dialog->Caption(), "Presets");
  EXPECT_EQ(dialog->BitBtnImp.Caption(), "&Import from .btn");
  LangIndex = lgGerman;
  dialog->FormShow();
  LangIndex = lgEnglish;
  EXPECT_EQ(dialog->BBAdd.Caption(), "&Hinzufügen");
  EXPECT_EQ(dialog->cbSquare.Caption(), "Quadrat");
}

TEST_F(PresetsDialog, AFirstClickSelectsAndASecondOnTheSamePreviewApplies) {
  dialog->FormShow();
  form.cbGradient.SetChecked(false);
  form.RxSpinEditFW.SetValue(9);
  dialog->PresetButtonClick("preset2");
  EXPECT_EQ(dialog->SelectedPreset(), "preset2");
  EXPECT_EQ(form.RxSpinEditFW.Value(), 9);
  dialog->PresetButtonClick("preset3");  // another preview only moves the selection
  EXPECT_EQ(dialog->SelectedPreset(), "preset3");
  EXPECT_EQ(dialog->ModalResult(), mrNone);
  dialog->PresetButtonClick("preset3");
  EXPECT_EQ(dialog->ModalResult(), mrOk);
  EXPECT_EQ(form.RxSpinEditFW.Value(), 3);
  EXPECT_TRUE(form.cbGradient.Checked());
  EXPECT_EQ(form.BitBtnGC1.GlyphColor(), 0x100003u);
}

TEST_F(PresetsDialog, UseAndDeleteWithoutASelectionDoNothing) {
  dialog->FormShow();
  form.RxSpinEditFW.SetValue(9);
  dialog->BBUse.Click();
  dialog->BBDel.Click();
  EXPECT_EQ(form.RxSpinEditFW.Value(), 9);
  EXPECT_EQ(dialog->ModalResult(), mrNone);
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(std::filesystem::exists(sandbox.Writable("presets-default.ini")));
}

TEST_F(PresetsDialog, AddStoresTheWindowsEffectInTheWritableCopyOfTheShippedSet) {
  dialog->FormShow();
  form.RxSpinEditFW.SetValue(7);
  form.GradientImage1.SetColorStart(0x123456);
  dialog->BBAdd.Click();
  EXPECT_EQ(Sections(), (std::vector<std::string>{"preset1", "preset2", "preset3", "preset4"}));
  const TIniFile ini(sandbox.Writable("presets-default.ini"));
  EXPECT_EQ(ini.ReadInteger("preset4", "FrameWidth", 0), 7);
  EXPECT_EQ(ini.ReadInteger("preset4", "gc1", 0), 0x123456);
  EXPECT_EQ(ini.ReadInteger("preset1", "gc1", 0), 0x100001);  // the shipped presets came along
  EXPECT_EQ(test::ReadBytes(sandbox.Shared("presets-default.ini")), PresetText(3));
  // Applying the new preset gives the same effect back.
  form.RxSpinEditFW.SetValue(1);
  dialog->PresetButtonClick("preset4");
  dialog->PresetButtonClick("preset4");
  EXPECT_EQ(form.RxSpinEditFW.Value(), 7);
  EXPECT_EQ(form.GradientImage1.ColorStart(), 0x123456u);
}

TEST_F(PresetsDialog, ImportTakesThePresetKeysOfAProjectAndPassesOverFilesItCannotRead) {
  dialog->FormShow();
  TSettings project = DefaultSettings();
  project.FrameWidth = 5;
  project.gc3 = 0x00AA00;
  std::string error;
  ASSERT_TRUE(SaveProject(sandbox.Writable("p.btn"), {"a"}, error, project));

  chosenFile = sandbox.Writable("missing.btn");
  dialog->BitBtnImp.Click();
  EXPECT_EQ(Sections().size(), 3u);
  EXPECT_TRUE(messages.empty());

  chosenFile = sandbox.Writable("p.btn");
  dialog->BitBtnImp.Click();
  EXPECT_EQ(asked.back(), "Import preset from project | Kestrova files (*.btn)|*.btn|All files (*.*)|*.*");
  ASSERT_EQ(Sections().size(), 4u);
  const TIniFile ini(sandbox.Writable("presets-default.ini"));
  EXPECT_EQ(ini.ReadInteger("preset4", "FrameWidth", 0), 5);
  EXPECT_EQ(ini.ReadInteger("preset4", "gc3", 0), 0x00AA00);
  EXPECT_EQ(ini.ReadString("preset4", "captions", "none"), "none");

  chosenFile.reset();
  dialog->BitBtnImp.Click();
  EXPECT_EQ(Sections().size(), 4u);
}

// Values no control of the window can hold: each is brought to its control's
// limit before the preset is drawn, used or stored.
constexpr char kOutOfRangeKeys[] =
    "RoundBtn=1\r\nRound3DLike=1\r\ngradient=1\r\nradial=1\r\nFrameOn=1\r\nFrameRound=1\r\n"
    "ExtRadius=2147483647\r\nsmooth=2147483647\r\nFrameMargin=-2147483648\r\nBNX=-5\r\nBNY=1000\r\n"
    "BNOpacity=300\r\nAngle=400\r\nFrameWidth=0\r\nFrameRX=-1\r\nFrameRY=100000\r\nroundmargin=-7\r\n"
    "gc1=-1\r\n";

TEST(PresetGrid, APreviewTakesThePresetWithinTheLimitsOfTheWindowsControls) {
  test::ProgramFolderSandbox sandbox;
  std::filesystem::create_directories(sandbox.Writable(""));
  test::WriteBytes(sandbox.Writable("p.ini"), std::string("[preset1]\r\n") + kOutOfRangeKeys);
  const TForm1 form;
  const TSettings s = PresetPreviewSettings(form, sandbox.Writable("p.ini"), "preset1", false);
  EXPECT_EQ(s.ExtRadius, 999);
  EXPECT_EQ(s.smooth, 99);
  EXPECT_EQ(s.FrameMargin, 0);
  EXPECT_EQ(s.BNX, 0);
  EXPECT_EQ(s.BNY, 99);
  EXPECT_EQ(s.BNOpacity, 100);
  EXPECT_EQ(s.Angle, 360.0f);
  EXPECT_EQ(s.FrameWidth, 1);
  EXPECT_EQ(s.FrameRX, 0);
  EXPECT_EQ(s.FrameRY, 999);
  EXPECT_EQ(s.roundmargin, -7);  // its spin edit has no limits
  EXPECT_EQ(s.gc1, 0xFFFFFFFFu);  // colours are shown as they are
  EXPECT_TRUE(s.RoundBtn && s.gradient && s.FrameOn);
}

TEST(PresetGrid, APresetBeyondEveryLimitIsDrawnWithinThem) {
  // Unlimited smoothing would keep the window busy for good, a frame margin of
  // -2^31 overflow: the picture is that of the preset within the limits.
  test::ProgramFolderSandbox sandbox;
  std::filesystem::create_directories(sandbox.Writable(""));
  test::WriteBytes(sandbox.Writable("p.ini"),
                   "[preset1]\r\nRoundBtn=1\r\ngradient=1\r\nFrameOn=1\r\nFrameRound=1\r\nExtRadius=3\r\n"
                   "smooth=2147483647\r\nFrameMargin=-2147483648\r\nFrameRX=2147483647\r\nFrameWidth=2147483647\r\n");
  const TForm1 form;
  const Bitmap picture = PresetPreview(form, sandbox.Writable("p.ini"), "preset1", false);
  TSettings expected;
  const TIniFile ini(sandbox.Writable("p.ini"));
  ReadPresetKeys("preset1", &ini, expected);
  expected.smooth = 99;
  expected.FrameMargin = 0;
  expected.FrameRX = 999;
  expected.FrameWidth = 99;
  expected.newx = 120;
  expected.newy = 32;
  EXPECT_TRUE(picture == ComposeBaseImage(expected));
}

TEST_F(PresetsDialog, ValuesBeyondTheLimitsAreNeitherStoredNorUsed) {
  // A project holding them is imported within the limits, so later previews of
  // the set draw at once; a preset file holding them is used within them.
  test::WriteBytes(sandbox.Writable("wild.btn"), std::string("[main]\r\n") + kOutOfRangeKeys);
  chosenFile = sandbox.Writable("wild.btn");
  dialog->FormShow();
  dialog->BitBtnImp.Click();
  ASSERT_EQ(Sections().size(), 4u);
  const TIniFile ini(sandbox.Writable("presets-default.ini"));
  EXPECT_EQ(ini.ReadInteger("preset4", "ExtRadius", 0), 999);
  EXPECT_EQ(ini.ReadInteger("preset4", "smooth", 0), 99);
  EXPECT_EQ(ini.ReadInteger("preset4", "FrameMargin", -1), 0);
  EXPECT_EQ(ini.ReadInteger("preset4", "BNY", 0), 99);
  EXPECT_EQ(ini.ReadInteger("preset4", "Angle", 0), 360);

  test::WriteBytes(sandbox.Writable("presets-default.ini"), std::string("[preset1]\r\n") + kOutOfRangeKeys);
  form.CurrentSettings.image_file = "base.bmp";  // no new base image is drawn from the record
  dialog->FormShow();
  dialog->PresetButtonClick("preset1");
  dialog->PresetButtonClick("preset1");
  EXPECT_EQ(form.CurrentSettings.ExtRadius, 999);
  EXPECT_EQ(form.CurrentSettings.smooth, 99);
  EXPECT_EQ(form.CurrentSettings.FrameMargin, 0);
  EXPECT_EQ(form.RxSpinEditSmooth.Value(), 99);
}

TEST_F(PresetsDialog, DeleteAsksThenErasesThePresetAndClearsTheSelection) {
  dialog->FormShow();
  dialog->PresetButtonClick("preset2");
  answer = mrNo;
  dialog->BBDel.Click();
  EXPECT_EQ(messages, (std::vector<std::string>{"Delete preset?"}));
  EXPECT_EQ(Sections().size(), 3u);
  EXPECT_EQ(dialog->SelectedPreset(), "preset2");
  answer = mrYes;
  dialog->BBDel.Click();
  EXPECT_EQ(Sections(), (std::vector<std::string>{"preset1", "preset3"}));
  EXPECT_EQ(dialog->SelectedPreset(), "");
  // Use now does nothing, rather than apply the defaults of a preset that is gone.
  form.RxSpinEditFW.SetValue(9);
  dialog->BBUse.Click();
  EXPECT_EQ(form.RxSpinEditFW.Value(), 9);
}

TEST_F(PresetsDialog, ChangingTheSetClearsTheSelection) {
  test::WriteBytes(sandbox.Shared("second.ini"), PresetText(2, 0x200000));
  PresetSets.push_back("second=second.ini");
  dialog->FormShow();
  dialog->PresetButtonClick("preset1");
  dialog->ComboPresets.SetItemIndex(1);
  EXPECT_EQ(CurrentPresetSet, "second");
  EXPECT_EQ(dialog->SelectedPreset(), "");
  EXPECT_EQ(Sections(), (std::vector<std::string>{"preset1", "preset2"}));
  EXPECT_EQ(dialog->ComboPresets.Hint(), sandbox.Shared("second.ini"));
  // The square check box rebuilds and keeps the selection.
  dialog->PresetButtonClick("preset2");
  dialog->cbSquare.Click();
  EXPECT_EQ(dialog->SelectedPreset(), "preset2");
  EXPECT_EQ(dialog->Cells()[0].bounds.height, 128);
}

TEST_F(PresetsDialog, NewSetNamesAreCheckedAndGetAFileNoOtherSetUses) {
  test::WriteBytes(sandbox.Writable("presets-user1.ini"), "");
  test::WriteBytes(sandbox.Writable("presets-user2.ini"), "");
  dialog->FormShow();
  struct Case {
    std::optional<std::string> typed;
    std::string message;
    std::vector<std::string> lines;
  };
  const std::vector<std::string> start = PresetSets;
  const Case cases[] = {
      {std::nullopt, "", start},
      {"   ", "", start},
      {"Default", "Name is already in use.", start},
      {"a=b", "A set name cannot hold \"=\" or \"[\" nor begin with \";\".", start},
      {"[x", "A set name cannot hold \"=\" or \"[\" nor begin with \";\".", start},
      {";x", "A set name cannot hold \"=\" or \"[\" nor begin with \";\".", start},
      {"  Mine ", "", {"default=presets-default.ini", "Mine=presets-user3.ini"}},
      // A second new set before any preset was added gets a file of its own.
      {"x;y", "", {"default=presets-default.ini", "Mine=presets-user3.ini", "x;y=presets-user4.ini"}},
  };
  for (const Case& c : cases) {
    messages.clear();
    typedName = c.typed;
    dialog->BitBtnSN.Click();
    EXPECT_EQ(messages.empty() ? "" : messages.front(), c.message) << c.typed.value_or("(cancelled)");
    EXPECT_EQ(PresetSets, c.lines) << c.typed.value_or("(cancelled)");
  }
  EXPECT_EQ(asked.front(), "Create new set of presets | Set name | ");
  EXPECT_EQ(CurrentPresetSet, "x;y");
  EXPECT_EQ(dialog->ComboPresets.ItemIndex(), 2);
  EXPECT_TRUE(Sections().empty());
  EXPECT_FALSE(std::filesystem::exists(sandbox.Writable("presets-user4.ini")));
  dialog->BBAdd.Click();
  EXPECT_EQ(Sections(), (std::vector<std::string>{"preset1"}));
  EXPECT_TRUE(std::filesystem::exists(sandbox.Writable("presets-user4.ini")));
}

TEST_F(PresetsDialog, NoNewSetOnceAllNinetyNineFilesAreTaken) {
  for (int n = 1; n <= 99; ++n) test::WriteBytes(sandbox.Writable("presets-user" + std::to_string(n) + ".ini"), "");
  dialog->FormShow();
  typedName = "more";
  dialog->BitBtnSN.Click();
  EXPECT_EQ(messages, (std::vector<std::string>{"Reached maximum limit of sets!"}));
  EXPECT_EQ(PresetSets.size(), 1u);
}

TEST_F(PresetsDialog, AttachListsAFileByItsNameOrItsPathFromTheWritableFolder) {
  std::filesystem::create_directories(sandbox.Folder() / "config/sets");
  test::WriteBytes(sandbox.Writable("mine.ini"), PresetText(1));
  test::WriteBytes(sandbox.Folder() / "config/sets/theirs.ini", PresetText(2));
  dialog->FormShow();
  struct Case {
    std::optional<std::string> file;
    std::optional<std::string> name;
    std::string line;  // the line added, "" for none
  };
  const Case cases[] = {
      {std::nullopt, "never asked", ""},
      {sandbox.Writable("mine.ini"), std::nullopt, ""},
      {sandbox.Writable("mine.ini"), "default", ""},
      {sandbox.Writable("mine.ini"), "Mine", "Mine=mine.ini"},
      {sandbox.Folder() / "config/sets/theirs.ini", "Theirs", "Theirs=../sets/theirs.ini"},
      {"/elsewhere/a.ini", "Far", "Far=../../../../elsewhere/a.ini"},
  };
  for (const Case& c : cases) {
    const std::size_t before = PresetSets.size();
    chosenFile = c.file;
    typedName = c.name;
    dialog->BitBtnSIClick();
    if (c.line.empty()) {
      EXPECT_EQ(PresetSets.size(), before) << c.name.value_or("");
      continue;
    }
    ASSERT_EQ(PresetSets.size(), before + 1);
    const std::string line = PresetSets.back();
    if (c.name == "Far") {
      // However deep the writable folder lies, the path leads to the file.
      EXPECT_TRUE(line.starts_with("Far=../")) << line;
      EXPECT_EQ(std::filesystem::path(sandbox.Writable(line.substr(4))).lexically_normal(), "/elsewhere/a.ini");
    } else {
      EXPECT_EQ(line, c.line);
    }
  }
  EXPECT_EQ(asked.front(), "Attach presets file | INI files (*.ini)|*.ini|All files (*.*)|*.*");
  CurrentPresetSet = "Theirs";
  dialog->FormShow();
  EXPECT_EQ(Sections(), (std::vector<std::string>{"preset1", "preset2"}));
}

TEST_F(PresetsDialog, RemoveAsksAndKeepsTheFile) {
  test::WriteBytes(sandbox.Writable("b.ini"), PresetText(1));
  PresetSets = {"a=presets-default.ini", "b=b.ini"};
  CurrentPresetSet = "b";
  dialog->FormShow();
  answer = mrNo;
  dialog->BitBtnSR.Click();
  EXPECT_EQ(messages, (std::vector<std::string>{"Remove set \"b\" ?\r\nFile will not be deleted."}));
  EXPECT_EQ(PresetSets.size(), 2u);
  answer = mrYes;
  dialog->BitBtnSR.Click();
  EXPECT_EQ(PresetSets, (std::vector<std::string>{"a=presets-default.ini"}));
  EXPECT_TRUE(std::filesystem::exists(sandbox.Writable("b.ini")));
  EXPECT_EQ(CurrentPresetSet, "a");
  EXPECT_EQ(dialog->ComboPresets.ItemIndex(), 0);
  EXPECT_EQ(Sections().size(), 3u);
}

TEST_F(PresetsDialog, WithNoSetLeftOnlyNewAndAttachWork) {
  dialog->FormShow();
  dialog->BitBtnSR.Click();
  EXPECT_TRUE(PresetSets.empty());
  EXPECT_EQ(dialog->ComboPresets.ItemIndex(), -1);
  EXPECT_TRUE(Sections().empty());
  for (const TButton* b : {&dialog->BBAdd, &dialog->BitBtnImp, &dialog->BBDel, &dialog->BitBtnSR}) {
    EXPECT_FALSE(b->Enabled()) << b->Name();
  }
  EXPECT_TRUE(dialog->BitBtnSN.Enabled());
  EXPECT_TRUE(dialog->BitBtnSI.Enabled());
  typedName = "fresh";
  dialog->BitBtnSN.Click();
  EXPECT_TRUE(dialog->BBAdd.Enabled());
}

TEST_F(PresetsDialog, APresetFileThatCannotBeWrittenIsReportedAndKeepsItsPresets) {
  std::filesystem::create_directories(sandbox.Writable("locked"));
  test::WriteBytes(sandbox.Writable("locked/p.ini"), PresetText(2));
  PresetSets = {"locked=locked/p.ini"};
  CurrentPresetSet = "locked";
  dialog->FormShow();
  // The folder cannot take the new file that replaces the old one (also for
  // root: the child runs as an unprivileged user).
  for (const std::string& folder : {sandbox.Folder().Path(), sandbox.Folder() / "config", sandbox.Writable("")}) {
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
  }
  ASSERT_EQ(::chmod(sandbox.Writable("locked").c_str(), 0555), 0);
  const int status = test::RunInChild(
      [&] {
        dialog->BBAdd.Click();
        dialog->PresetButtonClick("preset1");
        dialog->BBDel.Click();
        const bool reported = messages.size() == 3 && messages[0].starts_with("Error saving\r\nUnable to write to ") &&
                              messages[2].starts_with("Error saving\r\n");
        return reported && Sections().size() == 2 ? 0 : 1;
      },
      true);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(test::ReadBytes(sandbox.Writable("locked/p.ini")), PresetText(2));
}

// On a first run the writable folder does not exist yet; a preset file from
// elsewhere is listed by a path through it ("../../..") and still works.
TEST(PresetsOnAFirstRun, ASetAttachedFromElsewhereShowsItsPresetsAndTakesANewOne) {
  test::ProgramFolderSandbox sandbox;  // its writable folder is not made
  test::TempFolder elsewhere;
  test::WriteBytes(elsewhere / "mine.ini", PresetText(2));
  std::vector<std::string> messages;
  MessageBoxFunction = [&messages](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
    messages.push_back(text);
    return static_cast<int>(mrOk);
  };
  PresetSets.clear();
  CurrentPresetSet.clear();
  TForm1 form;
  TPresetsDialogHooks hooks;
  hooks.OpenFile = [&elsewhere](const std::string&, const std::string&) {
    return std::optional<std::string>(elsewhere / "mine.ini");
  };
  hooks.InputQuery = [](const std::string&, const std::string&, const std::string&) {
    return std::optional<std::string>("Mine");
  };
  TBtnPresetsForm dialog(form, hooks);
  dialog.FormShow();
  dialog.BitBtnSI.Click();
  const auto sections = [&dialog] {
    std::vector<std::string> names;
    for (const TPresetCell& cell : dialog.Cells()) names.push_back(cell.section);
    return names;
  };
  ASSERT_FALSE(std::filesystem::exists(sandbox.Writable("")));
  ASSERT_EQ(PresetSets.size(), 1u);
  EXPECT_TRUE(PresetSets[0].starts_with("Mine=../")) << PresetSets[0];
  EXPECT_EQ(sections(), (std::vector<std::string>{"preset1", "preset2"}));
  dialog.BBAdd.Click();
  EXPECT_EQ(sections(), (std::vector<std::string>{"preset1", "preset2", "preset3"}));
  EXPECT_NE(test::ReadBytes(elsewhere / "mine.ini").find("[preset3]"), std::string::npos);
  EXPECT_TRUE(messages.empty()) << messages.front();
  MessageBoxFunction = nullptr;
  PresetSets.clear();
  CurrentPresetSet.clear();
}
