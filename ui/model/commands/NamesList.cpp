// The output names list: the names a save will use and the counters line.

#include "core/generation/OutputNames.h"
#include "ui/model/commands/Generate.h"
#include "ui/model/commands/OutputSaving.h"
#include "ui/model/language/Language.h"

namespace kestrova {

namespace {

std::string CountersText(int lines, int buttons, int files) {
  std::string text = "[";
  text.append(Lang(LangControls[lcLinesCount])).append(" ").append(std::to_string(lines));
  text.append(", ").append(Lang(LangControls[lcButtonsCount])).append(" ").append(std::to_string(buttons));
  text.append(", ").append(Lang(LangControls[lcFilesCount])).append(" ").append(std::to_string(files));
  return text + "]";
}

}  // namespace

void UpdateNamesList(TForm1& form) {
  const std::string extension = OutputExtension(form.RG1.ItemIndex());
  const int lines = CaptionLineCount(form);
  const int buttons = ButtonCount(form);
  const int files = OutputFileCount(form);
  auto name = [&](const std::string& caption, int n) {
    return BuildOutputName(form.EditPrefix.Text(), form.EditPostfix.Text(), caption, form.cbNoCapts.Checked(),
                           form.cbNumber.Checked(), form.cbLower.Checked(), n) +
           extension;
  };
  std::vector<std::string> names;
  switch (form.RGImgPerBtn.ItemIndex()) {
    case 0:
      for (int k = 0; k < files; ++k) names.push_back(name(form.MemoTxt.Line(form.RxSpinEditRPB.Value() * k), k + 1));
      break;
    case 1:
      names.push_back(name(Lang(LangControls[lcAllInOneName]), 1));
      break;
    case 2:
      for (int k = 0; k < files; ++k) {
        names.push_back(name(Lang(LangControls[lcImage]) + " " + std::to_string(k + 1), k + 1));
      }
      break;
    default:
      break;
  }
  form.MemoNames.SetLines(names);
  form.LCNT.SetCaption(CountersText(lines, buttons, files));
}

}  // namespace kestrova
