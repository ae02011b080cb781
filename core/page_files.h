#pragma once
// The downloaded page files: "株HTML.htm" and "株HTML2.htm" to "株HTML8.htm"
// (PageFile1 to PageFile8) and "株HEAD.htm" (PageHeadFile), in the program
// folder.  Each holds one page as it arrived, followed by CR LF.  In debug
// mode the names may point at saved pages in SavedPageDir instead: those are
// the user's and are never deleted.
#include <string>
#include <string_view>

namespace ranvik {

inline constexpr std::string_view kPageHeadFileName = "株HEAD.htm";

// "株HTML.htm" for page 1, "株HTML2.htm" to "株HTML8.htm" for pages 2 to 8.
std::string PageFileName(int page);

// Whether the path is AppDir & the name of one of the program's page files.
bool IsOwnPageFile(const std::string& path);
// Deletes the file when it is one of the program's own page files.
void DeleteOwnPageFile(const std::string& path);

// Replaces the file with the page's bytes and CR LF.  False when it could
// not; the file then holds no half page (it is gone, or, when the name
// belongs to something that is no file, that stays as it was).
bool WritePageFile(const std::string& path, std::string_view page);

}  // namespace ranvik
