// Where the game's files live: every data file sits in the program's folder.
#pragma once

#include <string>
#include <string_view>

namespace vt {

// The full path of a data file such as "Comm03.dat" (a leading backslash, as
// the game's tables write the names, is accepted and dropped).
std::string DataPath(const std::string& folder, std::string_view name);

// The folder that holds the running executable; "." if it cannot be found.
std::string ExecutableFolder();

}  // namespace vt
