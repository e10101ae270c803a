#include "ui/qt/widgets/WebLinks.h"

#include <QProcess>

#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

namespace {

bool StartDetached(const QStringList& words) {
  if (words.isEmpty()) return false;
  return QProcess::startDetached(words.front(), words.mid(1));
}

}  // namespace

void OpenURL(const std::string& url, ProgramFailure onFailure, std::chrono::milliseconds atOnce) {
  if (url.empty()) return;
  StartWatchedProgram(kOpenProgram, {url}, atOnce, std::move(onFailure));
}

bool ExecCommand(const std::string& commandLine) { return StartDetached(SplitCommandLine(ToQt(commandLine))); }

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
