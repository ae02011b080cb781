#pragma once
// Common ground of the fuzz targets.  Each target is a function that takes
// any bytes and feeds them to one reader the way the program does: written
// into a page, data, list or settings file in a scratch folder, with the
// clock fixed and messages recorded instead of shown.  Besides not crashing,
// a target checks what every reader owes its files; a broken promise ends
// the process, which the fuzzer and the corpus replay both report.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/quote_record.h"

namespace ranvik::fuzz {

// Prepares one run: a fresh program state whose program folder is the
// emptied scratch folder of this process, the clock at 2024/05/17 12:00 (a
// Friday), and recorded messages.  The first call also starts an offscreen
// Qt application for the readers that work on controls.
void BeginRun();

// Ends the Qt application after the last run.
void EndRuns();

// A file of the scratch folder.
std::string FileIn(std::string_view name);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, std::string_view bytes);

// Ends the process with the broken promise when `holds` is false.
void Check(bool holds, const char* promise);

// The input cut into at most `count` pieces at each "<!--next page-->"
// (pieces beyond the last are empty).
std::vector<std::string> SplitPages(std::string_view bytes, std::size_t count);

// A small stock data file of bars dated from April 2024 on, as a reader
// finds it before merging a page into it.
std::string SmallDataFile(int bars, bool weekly);

// A stored date field: "mm/dd/yy" naming a calendar day.
bool IsRecordDate(std::string_view field);

// What every reader owes a stock data file after writing to it: the header
// counts no record the file does not hold, and (with `datesToo`, for a file
// whose dates the reader wrote) every bar it counts carries a calendar day.
void CheckDataFile(const std::string& path, bool datesToo = true);

// The two stock data files' bytes agree but for the correction multipliers
// (bytes 3 and 4 of each record), which the chart set-up keeps up to date
// in the file when its header names a split point.
bool SameButMultipliers(std::string_view after, std::string_view before);

}  // namespace ranvik::fuzz

namespace ranvik::fuzz {

// The input as the target's entry point gets it.
inline std::string_view InputOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The first byte of the input, which chooses how the reader is called; 0
// for an empty input.
std::uint8_t TakeOptions(std::string_view& bytes);

// The data file a page reader merges into: the bytes after the input's
// first "<!--data file-->" (any file, damaged ones too), or, without the
// marker, SmallDataFile(bars, weekly).  `bytes` keeps what came before the
// marker.
std::string DataFileOf(std::string_view& bytes, int bars, bool weekly);

// What a merge owes the data file it wrote to, which held `before`: every
// bar the header counted with a calendar day is still there, unchanged or
// replaced by a bar of the same date; a header that counted no record the
// file did not hold still does not; and when every bar counted (of the
// whole records) carried a calendar day, every bar still does, so that no
// bar without a date (a gap of zero bars) is made.
void CheckMerge(std::string_view before, const std::string& path);

// The files of the scratch folder by name, with their bytes.
using FolderFiles = std::map<std::string, std::string>;
FolderFiles FolderSnapshot();

// The scratch folder holds the files it held before, with their bytes, and
// no other, except the files named in `mayChange` (changed, made or gone).
void CheckFolderKept(const FolderFiles& before, const std::vector<std::string>& mayChange);

// Saves the pages as a download leaves them (株HTML.htm, 株HTML2.htm, ...)
// and names them in PageFile1 to PageFile8; the first is always saved, a
// later empty one leaves its name empty.
void SavePages(const std::vector<std::string>& pages);

// The saved pages still hold their bytes: no reader writes to a page.
void CheckPagesKept(const std::vector<std::string>& pages);

}  // namespace ranvik::fuzz
