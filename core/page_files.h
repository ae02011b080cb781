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
// Deletes the file, and its spare, when it is one of the program's own page
// files.
void DeleteOwnPageFile(const std::string& path);

// The file beside a page file that the next page is written into before it
// takes the page file's name: path & "~".  Between writes it holds the page
// before the last.
std::string PageSpareName(const std::string& path);

// Replaces the file with the page's bytes and CR LF: the page is written
// whole into the spare, which then trades names with the page file in one
// step, so that a program stopped at any point leaves the old page or the
// new one under the name, never a part of either.  False when it could not;
// the old page (or whatever stood under the name) then stays as it was.
// What stands under the name and is no plain file (a link, a pipe) is
// replaced, never written through; a folder is left alone and the write
// fails.
bool WritePageFile(const std::string& path, std::string_view page);

}  // namespace ranvik
