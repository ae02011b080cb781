#pragma once
// Stock data files: creating one, merging a bar in date order, finding a
// date, and the folder look-ups the lists use.
#include <compare>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/runtime/record_file.h"

namespace ranvik {

// Record numbers are 2-byte Integers: a file holds at most 32767 records.
constexpr std::int64_t kMaxDataRecords = 32767;

// A merge that would need a record number above the limit; nothing was
// written.  Derived from FileError so a caller's file-error handling reports
// it too.
class RecordLimitError : public FileError {
public:
    using FileError::FileError;
};

enum class MergeOutcome { Inserted, Replaced, Identical };

// The order of a date field (its 8 bytes as stored): year, month and day,
// read as numbers from characters 7-8, 1-2 and 4-5 of its text, pieces that
// are not digits reading as 0, and a year below 60 counting as 100 + year so
// that 12/31/99 comes before 01/04/00.
struct DateKey {
    int year = 0;
    int month = 0;
    int day = 0;
    friend auto operator<=>(const DateKey&, const DateKey&) = default;
};
DateKey DateKeyOf(std::string_view field);
// The rule itself for any field, which DateKeyOf takes a short way round for
// a plain "dd/dd/dd"; the two always agree.
DateKey DateKeyByRule(std::string_view field);

// Creates or resets the file to a header without bars.  QuoteBufA holds the
// header written.
void CreateDataFile(const std::string& path);

// Merges the bar in QuoteBufB into the open stock data file (records of 52
// bytes).  Sets RecordWritten, QuoteBufA and QuoteBufB as every caller
// expects, and also says plainly what happened.  A file whose header is
// damaged (shorter than a record, or counting fewer than 1 record) raises a
// FileError; nothing is written and the buffers stay as they were.
MergeOutcome MergeQuoteRecord(RecordFile& file);

// 1 when no bar carries exactly this date text, 0 when one does (QuoteBufA
// then holds it).  A damaged header raises a FileError, as in the merge.
int IsDateMissing(RecordFile& file, std::string_view dateText);

// Two-digit year: below 60 is 20yy, otherwise 19yy.
int ExpandYear(int year2);
int ExpandYear(std::string_view year2);

// 1 when `folder` holds `fileName` (names compared exactly, letter case
// counting, without their last four characters) and the name opens as
// given, else 0.  `folder` ends with "/".
int FileExistsIn(const std::string& fileName, const std::string& folder);
// Number of stock data files ("*.KDT") in the folder.
int CountDataFiles(const std::string& folder);

// Stock data file name of a code: "1301" + "d" or "w" + ".KDT".
std::string DataFileName(std::string_view code, bool daily);

}  // namespace ranvik
