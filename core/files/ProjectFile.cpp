#include "core/files/ProjectFile.h"

#include <unistd.h>

#include <algorithm>
#include <stdexcept>

#include "core/files/FileSizeLimits.h"
#include "core/files/SettingsKeys.h"
#include "core/support/FileAccess.h"
#include "core/support/FilePaths.h"
#include "core/support/FileVersion.h"
#include "core/support/ProgramFolders.h"
#include "core/support/StrLib.h"

namespace kestrova {

namespace {

constexpr std::string_view kMain = "main";
constexpr std::string_view kCaptions = "captions";
constexpr std::string_view kVersion = "version";

void WriteMainSection(TIniFile& ini, const TSettings& settings) {
  SettingsKeyWriter write(ini, kMain);
  KESTROVA_WRITE_KEY(image_file);
  KESTROVA_WRITE_KEY(image_file_rel);
  KESTROVA_WRITE_KEY(prefix);
  KESTROVA_WRITE_KEY(postfix);
  KESTROVA_WRITE_KEY(outputdir);
  KESTROVA_WRITE_KEY(lcname);
  KESTROVA_WRITE_KEY(gradient);
  KESTROVA_WRITE_KEY(horizontal);
  KESTROVA_WRITE_KEY(twoonly);
  KESTROVA_WRITE_KEY(cutbig);
  KESTROVA_WRITE_KEY(shadow);
  KESTROVA_WRITE_KEY(shdouble);
  KESTROVA_WRITE_KEY(cuth);
  KESTROVA_WRITE_KEY(useautonum);
  KESTROVA_WRITE_KEY(newx);
  KESTROVA_WRITE_KEY(newy);
  KESTROVA_WRITE_KEY(x);
  KESTROVA_WRITE_KEY(y);
  KESTROVA_WRITE_KEY(cutx);
  KESTROVA_WRITE_KEY(cuty);
  KESTROVA_WRITE_KEY(cutx0);
  KESTROVA_WRITE_KEY(cuty0);
  KESTROVA_WRITE_KEY(shx);
  KESTROVA_WRITE_KEY(shy);
  KESTROVA_WRITE_KEY(gc1);
  KESTROVA_WRITE_KEY(gc2);
  KESTROVA_WRITE_KEY(gc3);
  KESTROVA_WRITE_KEY(shcolor);
  KESTROVA_WRITE_KEY(FileFormat);
  KESTROVA_WRITE_KEY(FrameOn);
  KESTROVA_WRITE_KEY(FrameColor);
  KESTROVA_WRITE_KEY(FrameWidth);
  KESTROVA_WRITE_KEY(BNOpacity);
  KESTROVA_WRITE_KEY(BNX);
  KESTROVA_WRITE_KEY(BNY);
  KESTROVA_WRITE_KEY(BNColorBG);
  KESTROVA_WRITE_KEY(BNColorFG);
  KESTROVA_WRITE_KEY(BNColorBL);
  KESTROVA_WRITE_KEY(fontcolor);
  KESTROVA_WRITE_KEY(fontname);
  write("fontstyle", FontStyleToString(settings.fontstyle));
  write("fontcharset", static_cast<std::int32_t>(settings.fontcharset));
  KESTROVA_WRITE_KEY(fontsize);
  KESTROVA_WRITE_KEY(vhmode);
  KESTROVA_WRITE_KEY(vhmode0);
  KESTROVA_WRITE_KEY(savehtml);
  KESTROVA_WRITE_KEY(textalign);
  KESTROVA_WRITE_KEY(matrix_cols);
  KESTROVA_WRITE_KEY(jpg_qual);
  KESTROVA_WRITE_KEY(spacing);
  KESTROVA_WRITE_KEY(notitles);
  KESTROVA_WRITE_KEY(postBNx);
  KESTROVA_WRITE_KEY(postBNy);
  KESTROVA_WRITE_KEY(postBNopacity);
  KESTROVA_WRITE_KEY(postBNColorBG);
  KESTROVA_WRITE_KEY(postBNColorBL);
  KESTROVA_WRITE_KEY(GlyphFile);
  KESTROVA_WRITE_KEY(GlyphX);
  KESTROVA_WRITE_KEY(GlyphY);
  KESTROVA_WRITE_KEY(GlyphWidth);
  KESTROVA_WRITE_KEY(GlyphHeight);
  KESTROVA_WRITE_KEY(GlyphMargin);
  KESTROVA_WRITE_KEY(RowPerBtn);
  KESTROVA_WRITE_KEY(ForceDirs);
  KESTROVA_WRITE_KEY(GIFColorReduc);
  KESTROVA_WRITE_KEY(GIFDither);
  KESTROVA_WRITE_KEY(PNGTransparentColor);
  KESTROVA_WRITE_KEY(PNGCompressionLevel);
  KESTROVA_WRITE_KEY(PNGTransparent);
  KESTROVA_WRITE_KEY(MarSize);
  KESTROVA_WRITE_KEY(GapSize);
  KESTROVA_WRITE_KEY(BKColor);
  KESTROVA_WRITE_KEY(FrameRound);
  KESTROVA_WRITE_KEY(FrameMargin);
  KESTROVA_WRITE_KEY(FrameRX);
  KESTROVA_WRITE_KEY(FrameRY);
  KESTROVA_WRITE_KEY(GIFCompr);
  KESTROVA_WRITE_KEY(BtnPerImgMode);
  KESTROVA_WRITE_KEY(BtnPerImgCnt);
  KESTROVA_WRITE_KEY(IgnBlank);
  KESTROVA_WRITE_KEY(HTMLMap);
  KESTROVA_WRITE_KEY(textyalign);
  KESTROVA_WRITE_KEY(radial);
  KESTROVA_WRITE_KEY(ExtRadius);
  KESTROVA_WRITE_KEY(BNColorTR);
  KESTROVA_WRITE_KEY(Myblack);
  KESTROVA_WRITE_KEY(Mywhite);
  KESTROVA_WRITE_KEY(Angle);
  KESTROVA_WRITE_KEY(roundmargin);
  KESTROVA_WRITE_KEY(smooth);
  KESTROVA_WRITE_KEY(rowoffset);
  KESTROVA_WRITE_KEY(Round3DLike);
  KESTROVA_WRITE_KEY(RoundBtn);
  KESTROVA_WRITE_KEY(antialias);
  KESTROVA_WRITE_KEY(IconTransparent);
  KESTROVA_WRITE_KEY(IconTranspColor);
}

// An index into a list of `count` items; past the last item it means no selection.
std::int32_t ListIndex(std::int32_t index, int count) { return index > count - 1 ? -1 : index; }

// The keys of "main" that are not preset keys, in reading order. Each field
// takes its value as it is read, so a failure part-way keeps the fields read so far.
void ReadMainSection(const TIniFile& ini, TSettings& settings, const TGifOptionCounts& gifCounts) {
  const TSettings defaults = DefaultSettings();
  const SettingsKeyReader read(ini, kMain);
  KESTROVA_READ_PATH(image_file);
  KESTROVA_READ_PATH(image_file_rel);
  KESTROVA_READ_KEY(prefix);
  KESTROVA_READ_KEY(postfix);
  KESTROVA_READ_PATH(outputdir);
  KESTROVA_READ_KEY(lcname);
  KESTROVA_READ_KEY(cutbig);
  KESTROVA_READ_KEY(shadow);
  KESTROVA_READ_KEY(shdouble);
  KESTROVA_READ_KEY(cuth);
  KESTROVA_READ_KEY(useautonum);
  KESTROVA_READ_KEY(newx);
  KESTROVA_READ_KEY(newy);
  KESTROVA_READ_KEY(x);
  KESTROVA_READ_KEY(y);
  KESTROVA_READ_KEY(cutx);
  KESTROVA_READ_KEY(cuty);
  KESTROVA_READ_KEY(cutx0);
  KESTROVA_READ_KEY(cuty0);
  KESTROVA_READ_KEY(shx);
  KESTROVA_READ_KEY(shy);
  KESTROVA_READ_KEY(shcolor);
  KESTROVA_READ_KEY(FileFormat);
  KESTROVA_READ_KEY(fontcolor);
  KESTROVA_READ_KEY(fontname);
  settings.fontstyle = ParseFontStyle(ini.ReadString(kMain, "fontstyle", FontStyleToString(defaults.fontstyle)));
  const std::int32_t charset = ini.ReadInteger(kMain, "fontcharset", defaults.fontcharset);
  if (charset < 0 || charset > 255) throw std::range_error("Range check error");
  settings.fontcharset = static_cast<std::uint8_t>(charset);
  KESTROVA_READ_KEY(fontsize);
  KESTROVA_READ_KEY(vhmode);
  KESTROVA_READ_KEY(vhmode0);
  KESTROVA_READ_KEY(savehtml);
  KESTROVA_READ_KEY(textalign);
  KESTROVA_READ_KEY(matrix_cols);
  KESTROVA_READ_KEY(jpg_qual);
  KESTROVA_READ_KEY(spacing);
  KESTROVA_READ_KEY(notitles);
  KESTROVA_READ_KEY(postBNx);
  KESTROVA_READ_KEY(postBNy);
  KESTROVA_READ_KEY(postBNopacity);
  KESTROVA_READ_KEY(postBNColorBG);
  KESTROVA_READ_KEY(postBNColorBL);
  KESTROVA_READ_PATH(GlyphFile);
  KESTROVA_READ_KEY(GlyphX);
  KESTROVA_READ_KEY(GlyphY);
  KESTROVA_READ_KEY(GlyphWidth);
  KESTROVA_READ_KEY(GlyphHeight);
  KESTROVA_READ_KEY(GlyphMargin);
  KESTROVA_READ_KEY(RowPerBtn);
  if (settings.RowPerBtn < 1) settings.RowPerBtn = 1;
  KESTROVA_READ_KEY(ForceDirs);
  KESTROVA_READ_KEY(GIFColorReduc);
  settings.GIFColorReduc = ListIndex(settings.GIFColorReduc, gifCounts.colorReductions);
  KESTROVA_READ_KEY(GIFDither);
  settings.GIFDither = ListIndex(settings.GIFDither, gifCounts.ditherModes);
  KESTROVA_READ_KEY(PNGTransparentColor);
  KESTROVA_READ_KEY(PNGCompressionLevel);
  KESTROVA_READ_KEY(PNGTransparent);
  KESTROVA_READ_KEY(MarSize);
  KESTROVA_READ_KEY(GapSize);
  KESTROVA_READ_KEY(BKColor);
  KESTROVA_READ_KEY(GIFCompr);
  settings.GIFCompr = ListIndex(settings.GIFCompr, gifCounts.compressions);
  KESTROVA_READ_KEY(BtnPerImgMode);
  KESTROVA_READ_KEY(BtnPerImgCnt);
  KESTROVA_READ_KEY(IgnBlank);
  KESTROVA_READ_KEY(HTMLMap);
  KESTROVA_READ_KEY(textyalign);
  KESTROVA_READ_KEY(antialias);
  KESTROVA_READ_KEY(rowoffset);
  KESTROVA_READ_KEY(IconTransparent);
  KESTROVA_READ_KEY(IconTranspColor);
}

// The caption lines in the file's key order, each followed by CR LF. Every
// line counts, however many there are: a bounded key listing would drop the
// lines of a long caption list without a word.
std::string ReadCaptions(const TIniFile& ini) {
  std::vector<std::string> keys;
  ini.ReadWholeSection(kCaptions, keys);
  std::string captions;
  for (const std::string& key : keys) captions += ini.ReadString(kCaptions, key, "") + "\r\n";
  return captions;
}

// Whether the file holds any of the sections a project writes, found as the
// reads find them. A file of another kind (a picture, a text of some other
// program) holds none: read as a project it would give nothing but defaults.
bool HasProjectSection(const TIniFile& ini) {
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  return std::any_of(sections.begin(), sections.end(), [](const std::string& name) {
    return SameText(name, kMain) || SameText(name, kCaptions) || SameText(name, kVersion);
  });
}

// The bytes the caption lines take in the file: "c<i>=<line>" and CR LF each.
std::uint64_t CaptionsSize(const TextLines& lines) {
  std::uint64_t size = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) size += 1 + std::to_string(i).size() + 1 + lines[i].size() + 2;
  return size;
}

// More than the version and main sections of any project take.
constexpr std::uint64_t kRoomBesideCaptions = std::uint64_t{1} << 20;

}  // namespace

void ReadPresetKeys(std::string_view section, const TIniFile* iniFile, TSettings& settings) {
  if (iniFile == nullptr) return;
  const TSettings defaults = DefaultSettings();
  const SettingsKeyReader read(*iniFile, section);
  KESTROVA_READ_KEY(BNX);
  KESTROVA_READ_KEY(BNY);
  KESTROVA_READ_KEY(BNOpacity);
  KESTROVA_READ_KEY(BNColorBG);
  KESTROVA_READ_KEY(BNColorFG);
  KESTROVA_READ_KEY(BNColorBL);
  KESTROVA_READ_KEY(BNColorTR);
  KESTROVA_READ_KEY(Myblack);
  KESTROVA_READ_KEY(Mywhite);
  KESTROVA_READ_KEY(RoundBtn);
  KESTROVA_READ_KEY(Round3DLike);
  KESTROVA_READ_KEY(Angle);
  KESTROVA_READ_KEY(ExtRadius);
  KESTROVA_READ_KEY(roundmargin);
  KESTROVA_READ_KEY(smooth);
  KESTROVA_READ_KEY(FrameOn);
  KESTROVA_READ_KEY(FrameColor);
  KESTROVA_READ_KEY(FrameWidth);
  KESTROVA_READ_KEY(FrameRound);
  KESTROVA_READ_KEY(FrameMargin);
  KESTROVA_READ_KEY(FrameRX);
  KESTROVA_READ_KEY(FrameRY);
  KESTROVA_READ_KEY(gradient);
  KESTROVA_READ_KEY(horizontal);
  KESTROVA_READ_KEY(twoonly);
  KESTROVA_READ_KEY(gc1);
  KESTROVA_READ_KEY(gc2);
  KESTROVA_READ_KEY(gc3);
  KESTROVA_READ_KEY(radial);
}

bool SaveProject(const std::string& fileName, const TextLines& captionLines, std::string& errorText,
                 TSettings& settings) {
  // A project is written only when it can be opened again.
  if (CaptionsSize(captionLines) > kMaxProjectFileSize - kRoomBesideCaptions) {
    errorText = UnableToWriteText(fileName, "the captions would make it larger than the " +
                                                std::to_string(kMaxProjectFileSize) +
                                                " bytes a project may have; save them as a text file");
    return false;
  }
  try {
    TIniFile ini(fileName);
    // The whole project goes into the file in one write: a failure leaves the old file as it was.
    ini.BeginUpdate();
    ini.EraseSection(kMain);
    ini.EraseSection(kCaptions);
    settings.projectfile = fileName;
    settings.image_file_rel =
        settings.image_file.empty()
            ? std::string()
            : MakeRelativePath(FolderOf(fileName), FolderOf(settings.image_file)) + FileNameOf(settings.image_file);
    static const std::string programVersion = GetFileVersionText(ExecutablePath());
    ini.WriteString(kVersion, "version", programVersion);
    WriteMainSection(ini, settings);
    for (std::size_t i = 0; i < captionLines.size(); ++i) {
      ini.WriteString(kCaptions, std::string(1, 'c').append(std::to_string(i)), captionLines[i]);
    }
    ini.EndUpdate();
    return true;
  } catch (const std::exception& e) {
    errorText = e.what();
    return false;
  }
}

bool LoadProject(const std::string& fileName, TSettings& settings, std::string& errorText,
                 const TGifOptionCounts& gifCounts) {
  int fd = -1;
  if (OpenFileForReading(fileName, fd, &errorText, kMaxProjectFileSize) != ReadStatus::Ok) return false;
  ::close(fd);
  try {
    const TIniFile ini(fileName);
    if (!HasProjectSection(ini)) {
      errorText = kNotAProjectFile;
      return false;
    }
    settings.projectfile = fileName;
    ReadMainSection(ini, settings, gifCounts);
    ReadPresetKeys(kMain, &ini, settings);
    settings.captions = ReadCaptions(ini);
    errorText.clear();
    return true;
  } catch (const std::exception& e) {
    errorText = e.what();
    return false;
  }
}

}  // namespace kestrova
