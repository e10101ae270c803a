#include "ui/model/commands/BatchButtons.h"

#include <utility>

#include "core/generation/ButtonGeneration.h"
#include "ui/model/commands/Generate.h"
#include "ui/model/commands/OutputSaving.h"

namespace kestrova {

namespace {

// The buttons of a run as the save takes them: each made when its picture is asked for.
class TButtonsOnDemand : public TOutputImages {
 public:
  explicit TButtonsOnDemand(ButtonSetInput input)
      : input_(std::move(input)),
        count_(CountButtons(static_cast<int>(input_.lines.size()), input_.linesPerButton)),
        size_(ButtonSize(input_)) {}

  int Count() const override { return count_; }
  std::string Hint(int k) const override { return ButtonCaption(ButtonLines(input_.lines, k, input_.linesPerButton)); }
  TSize Size(int) const override { return size_; }
  void UsePicture(int k, const std::function<void(const Bitmap&)>& use) const override {
    use(GenerateButton(input_, k).bitmap);
  }

 private:
  const ButtonSetInput input_;
  const int count_;
  const TSize size_;
};

}  // namespace

bool SavesEachButton(const TForm1& form) {
  const int mode = form.RGImgPerBtn.ItemIndex();
  return mode != 1 && mode != 2;
}

bool GenerateAndSaveEachButton(TForm1& form) {
  form.MapRects.clear();
  bool saved = false;
  const bool made = ReportingGenerationErrors(form, [&form, &saved] {
    ButtonSetInput input = ButtonInputFromControls(form);
    CheckButtonsOneByOne(input);
    // A font that cannot be used fails the run before any file is written.
    if (DrawsCaptionText(input)) LoadCaptionFont(input.caption);
    saved = SaveImages(form, TButtonsOnDemand(std::move(input)));
  });
  return made && saved;
}

}  // namespace kestrova
