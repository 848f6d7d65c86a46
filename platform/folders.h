// The folder of the INI files and the clean-up of the texts read from them.
#pragma once

#include <string>
#include <string_view>

namespace velkor {

// $XDG_CONFIG_HOME/velkor/ (an absolute XDG_CONFIG_HOME only), else $HOME/.config/velkor/,
// else the account's home from the password database, else "./". Ends in exactly one added
// separator ("/" when the folder already ends in one). Creates nothing: the first write does.
std::string getWinDir();
// iniDir when it is set (a scenario or test pointing the run elsewhere), else getWinDir().
std::string getWinDir(const std::string& iniDir);
// mkdir -p; new folders are private to the user, as config folders should be. True when the
// folder stands afterwards.
bool makeFolders(const std::string& dir);

// The settings file VELKOR.INI and its one section; the screen and the sound switches both
// keep their settings there.
inline const char* const kSettingsSection = "VELKOR";
std::string settingsFilePath(const std::string& iniDir);

// s cut at its first NUL, without leading and trailing blanks.
std::string cutAtNull(std::string_view s);

}  // namespace velkor
