#include "ui/qt/widgets/WebLinks.h"

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

void OpenURL(const std::string& url, ProgramFailure onFailure, std::chrono::milliseconds atOnce) {
  if (url.empty()) return;
  StartWatchedProgram(kOpenProgram, {url}, atOnce, std::move(onFailure));
}

bool ExecCommand(const std::string& commandLine) {
  const QStringList words = SplitCommandLine(ToQt(commandLine));
  if (words.isEmpty()) return false;
  std::vector<std::string> arguments;
  for (const QString& word : words.mid(1)) arguments.push_back(FromQt(word));
  // Only a program that cannot be started is reported, by the result.
  return StartWatchedProgram(FromQt(words.front()), arguments, std::chrono::milliseconds(0), {});
}

QStringList SplitCommandLine(const QString& commandLine) {
  QStringList words;
  QString word;
  bool inWord = false;
  bool quoted = false;
  for (const QChar c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inWord) words << word;
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words << word;
  return words;
}

}  // namespace kestrova::qt
