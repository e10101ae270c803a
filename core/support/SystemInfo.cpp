#include "core/support/SystemInfo.h"

#include <langinfo.h>
#include <locale.h>
#include <pwd.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/support/StrLib.h"

namespace kestrova {

namespace {

// The whole text of a file read as a stream.
std::string StreamText(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  return text.str();
}

// An os-release value: quotes removed, backslash escapes resolved.
std::string Unquote(std::string_view value) {
  value = TrimBlanks(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) ++i;
    text += value[i];
  }
  return text;
}

// The value of a "key=value" line (os-release).
std::string FindValue(std::string_view text, std::string_view key) {
  for (const std::string& line : SplitLines(text)) {
    const auto at = line.find('=');
    if (at == std::string::npos || TrimBlanks(std::string_view(line).substr(0, at)) != key) continue;
    return std::string(TrimBlanks(std::string_view(line).substr(at + 1)));
  }
  return {};
}

std::string KernelText() {
  struct utsname name {};
  if (::uname(&name) != 0) return {};
  return std::string(name.sysname) + " " + name.release + " (" + name.machine + ")";
}

std::string UserName() {
  const uid_t uid = ::getuid();
  std::vector<char> buffer(16384);
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
    // The full name is the first comma-separated field of the comment.
    const std::string comment = found->pw_gecos != nullptr ? found->pw_gecos : "";
    const std::string fullName(TrimBlanks(comment.substr(0, comment.find(','))));
    return fullName.empty() ? std::string(found->pw_name) : fullName;
  }
  const char* user = std::getenv("USER");
  return user != nullptr ? user : "";
}

std::string LocaleName() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return "C";
}

std::uint64_t TotalMemory() {
  struct sysinfo info {};
  if (::sysinfo(&info) != 0) return 0;
  return static_cast<std::uint64_t>(info.totalram) * static_cast<std::uint64_t>(info.mem_unit);
}

}  // namespace

std::string DistributionName(std::string_view osRelease) {
  const std::string pretty = Unquote(FindValue(osRelease, "PRETTY_NAME"));
  if (!pretty.empty()) return pretty;
  const std::string name = Unquote(FindValue(osRelease, "NAME"));
  const std::string version = Unquote(FindValue(osRelease, "VERSION"));
  return version.empty() ? name : name + " " + version;
}

std::string OrganizationName(const char* environment, std::string_view organizationFile) {
  if (environment != nullptr && !TrimBlanks(environment).empty()) return std::string(TrimBlanks(environment));
  const std::vector<std::string> lines = SplitLines(organizationFile);
  return lines.empty() ? std::string() : std::string(TrimBlanks(lines.front()));
}

TSystemFacts ReadSystemFacts() {
  TSystemFacts facts;
  std::string osRelease = StreamText("/etc/os-release");
  if (osRelease.empty()) osRelease = StreamText("/usr/lib/os-release");
  facts.distribution = DistributionName(osRelease);
  facts.kernel = KernelText();
  facts.userName = UserName();
  facts.organization = OrganizationName(std::getenv("ORGANIZATION"), StreamText("/etc/organization"));
  facts.locale = LocaleName();
  facts.totalMemory = TotalMemory();
  return facts;
}

std::string KilobytesText(std::uint64_t bytes, std::string_view separator) {
  const std::uint64_t kilobytes = bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0);
  const std::string digits = std::to_string(kilobytes);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
    text += digits[i];
  }
  return text + " KB";
}

std::string UserThousandsSeparator() {
  const locale_t locale = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return ",";
  const std::string separator = ::nl_langinfo_l(THOUSEP, locale);
  ::freelocale(locale);
  return separator.empty() ? "," : separator;
}

}  // namespace kestrova
