#pragma once
// What the list editor works out at start-up without its window: whether a
// list file is in the program folder, the administrator switch of the URL
// list, and the caption with the programs' version.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime/program_version.h"

namespace ranvik::listedit {

// The administrator line's value, compared in upper case.
inline constexpr std::string_view KVO = "KVO";

// 1 when the program folder holds a file of that name, else 0.  The folder
// is listed with "*." and the text after the name's first "." (a name
// without "." is the pattern itself), and the names are compared, letter
// case counting, without their last four characters: the extension is
// matched by the pattern alone.
std::int16_t FileExistsInAppDir(const std::string& fileName);

// True when a line ends the URL list: it holds "<END>" or "//END" anywhere.
bool IsListEnd(std::string_view line);

// -1 when the URL list at `path` holds, before its end marker, a line that
// trimmed begins with "管理者" and whose text from the fifth character on is
// KVO in upper case (the fourth character, the separator, is not looked
// at); else 0, also for a list that cannot be read.  A later line never
// switches it back off, and a line of "管理者" alone is passed over, as the
// chart program's reader passes it, so that both programs agree.
std::int16_t AdminSwitchOf(const std::string& path);
// AdminMode from AppDir & "MyURL.txt" when FileExistsInAppDir finds it.
void ReadAdminSwitch();

// "Tamelo", "SUP" in administrator mode, then "(major.minor.revision)"
// without a blank before it.
std::string VersionCaption(std::string_view designCaption, bool adminMode, const VersionNumber& version);

}  // namespace ranvik::listedit
