#include "platform/folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/text.h"

namespace velkor {

namespace {
std::string withSeparator(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return "";
}
}  // namespace

std::string getWinDir() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return withSeparator(xdg) + "velkor/";
  std::string home = homeFolder();
  if (home.empty()) return "./";
  return withSeparator(home) + ".config/velkor/";
}

std::string getWinDir(const std::string& iniDir) {
  return iniDir.empty() ? getWinDir() : withSeparator(iniDir);
}

bool makeFolders(const std::string& dir) {
  if (dir.empty()) return true;
  for (std::size_t pos = 1; pos <= dir.size(); ++pos) {
    if (pos != dir.size() && dir[pos] != '/') continue;
    std::string part = dir.substr(0, pos);
    if (part.back() == '/') continue;
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat st {};
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string settingsFilePath(const std::string& iniDir) { return getWinDir(iniDir) + "VELKOR.INI"; }

std::string cutAtNull(std::string_view s) { return trimBlanks(s.substr(0, s.find('\0'))); }

}  // namespace velkor
