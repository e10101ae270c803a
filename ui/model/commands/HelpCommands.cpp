#include "ui/model/commands/HelpCommands.h"

#include "core/support/FilePaths.h"
#include "core/support/ProgramFolders.h"
#include "ui/model/commands/MakerAddresses.h"
#include "ui/model/language/Language.h"

namespace kestrova {

namespace {

void Open(TForm1& form, const std::string& address) {
  if (form.Hooks.OpenURL) form.Hooks.OpenURL(address);
}

}  // namespace

std::string HelpFilePath() {
  const std::string name = Lang(LangHelpFiles[0]);
  const std::string found = FindResourceFile(name);
  return found.empty() ? FolderOf(ExecutablePath()) + name : found;
}

void HelpMenuItemClick(TForm1& form) { Open(form, HelpFilePath()); }

void PayPaldonation1Click(TForm1& form) {
  Open(form, LangIndex == lgPolish ? kDonationPagePolish : kDonationPage);
}

void Zandrelkocom1Click(TForm1& form) { Open(form, kMakerHomePage); }

}  // namespace kestrova
