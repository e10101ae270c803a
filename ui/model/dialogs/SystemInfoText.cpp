#include "ui/model/dialogs/SystemInfoText.h"

namespace kestrova {

namespace {

struct TInfoLabels {
  std::string_view title, system, user, organization, language, memory;
  bool quoteLanguage;
};

constexpr TInfoLabels kEnglish{"SYSTEM INFORMATION:", "System: ", "User Name: ", "Company Name: ",
                               "Default Language: ", "Total memory: ", false};
constexpr TInfoLabels kPolish{"INFORMACJE O SYSTEMIE:", "System: ", "Użytkownik: ", "Organiacja: ",
                              "Język: ", "Pamięć: ", true};

std::string SystemText(const TSystemFacts& facts) {
  if (facts.distribution.empty()) return facts.kernel;
  if (facts.kernel.empty()) return facts.distribution;
  return facts.distribution + ", " + facts.kernel;
}

std::string InfoText(const TInfoLabels& labels, const TSystemFacts& facts, std::string_view languageName,
                     std::string_view thousands) {
  const std::string language =
      labels.quoteLanguage ? "\"" + std::string(languageName) + "\"" : std::string(languageName);
  std::string text;
  const auto line = [&text](std::string_view label, const std::string& value) {
    text += std::string(label) + value + "\r\n";
  };
  line(labels.title, "");
  line(labels.system, SystemText(facts));
  line(labels.user, facts.userName);
  // Kept with an empty value when no organisation is named.
  line(labels.organization, facts.organization);
  line(labels.language, language);
  line(labels.memory, KilobytesText(facts.totalMemory, thousands));
  return text;
}

}  // namespace

std::string GetSystemInfoText(const TSystemFacts& facts, std::string_view languageName, std::string_view thousands) {
  return InfoText(kEnglish, facts, languageName, thousands);
}

std::string GetSystemInfoTextPL(const TSystemFacts& facts, std::string_view languageName,
                                std::string_view thousands) {
  return InfoText(kPolish, facts, languageName, thousands);
}

}  // namespace kestrova
