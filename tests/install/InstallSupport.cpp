#include "tests/install/InstallSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace kestrova::test {

std::string InstalledPrefix() {
  std::string prefix = std::string(KESTROVA_INSTALL_ROOT) + KESTROVA_INSTALL_PREFIX;
  if (!prefix.ends_with('/')) prefix += '/';
  if (!std::filesystem::exists(prefix + "bin/kestrova")) {
    throw std::runtime_error("no installed tree at " + prefix + ": run the ctest fixture install_tree first");
  }
  return prefix;
}

std::string InstalledProgram() { return InstalledPrefix() + "bin/kestrova"; }

std::string InstalledResources() { return InstalledPrefix() + "share/kestrova/"; }

std::string SourceResources() { return std::string(KESTROVA_RESOURCE_DIR) + "/"; }

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, got);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string Quoted(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool HaveProgram(const std::string& path) { return ::access(path.c_str(), X_OK) == 0; }

}  // namespace kestrova::test
