#include "ui/model/commands/ViewerFailure.h"

#include "core/support/Messages.h"
#include "ui/model/language/FormatText.h"
#include "ui/model/language/Language.h"

namespace kestrova {

void ReportViewerFailure(const std::string& target, const std::string& reason) {
  ShowMessageOrLog(FormatText(Lang(LangMessages[lmCannotDisplay]), {target, reason}), mtError, mbOK);
}

}  // namespace kestrova
