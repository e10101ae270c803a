#pragma once
// What this system tells about itself, for the About box: the distribution
// (from /etc/os-release), the kernel (uname), the user, the organisation, the
// default language (the locale) and the total memory (sysinfo).

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrova {

struct TSystemFacts {
  std::string distribution;  // "Debian GNU/Linux 12 (bookworm)"; empty when unknown
  std::string kernel;        // "Linux 6.1.0-18-amd64 (x86_64)"
  std::string userName;      // the full name of the user's account, else the login name
  std::string organization;  // the user's or the system's organisation; empty when none is named
  std::string locale;        // the locale the user's messages use ("pl_PL.UTF-8"; "C" when none is set)
  std::uint64_t totalMemory = 0;  // bytes of physical memory
};

// Reads the facts of the running system.
TSystemFacts ReadSystemFacts();

// The distribution's name from the text of an os-release file: PRETTY_NAME,
// else NAME and VERSION; quotes and backslash escapes removed.
std::string DistributionName(std::string_view osRelease);
// The organisation as Unix programs name it: the ORGANIZATION variable
// (`environment`, nullptr when not set), else the first line of the text of
// /etc/organization; blanks around it removed.
std::string OrganizationName(const char* environment, std::string_view organizationFile);

// A number of bytes in kilobytes, rounded to the nearest, with `separator`
// between groups of three digits, followed by " KB": 2147483648 bytes with ","
// give "2,097,152 KB".
std::string KilobytesText(std::uint64_t bytes, std::string_view separator);
// The user's thousands separator from the locale; "," when it gives none.
std::string UserThousandsSeparator();

}  // namespace kestrova
