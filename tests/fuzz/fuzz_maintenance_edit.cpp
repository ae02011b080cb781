// The data maintenance window's edits on a stock data file of any bytes, as
// the window makes them on its file: up to three of a row deleted, a cell
// changed (with the header's extremes taken again when it asks for them), a
// row added and a row moved to another date, each undone on a failure.  An
// edit changes what it names and nothing else: the other bars stay, a new
// or moved bar is there under its date, a refused or failed edit leaves the
// file as it was, and the program folder gets no other file.
#include <algorithm>
#include <cstdio>
#include <set>

#include "maintenance/record_store.h"
#include "platform/runtime/record_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using ranvik::QuoteRecord;
constexpr std::size_t kLen = QuoteRecord::kLength;

std::string RecordOf(const std::string& bytes, std::size_t record) {
    return bytes.substr((record - 1) * kLen, kLen);
}

std::string DateOf(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", 1 + a % 12, 1 + b % 28, 10 + c % 14);
    return text;
}

// The dates of records 2 to the header's count, the file's whole records only.
std::multiset<std::string> Dates(const std::string& bytes) {
    std::multiset<std::string> dates;
    if (bytes.size() < kLen) return dates;
    const QuoteRecord header = QuoteRecord::Decode(std::string_view(bytes).substr(0, kLen));
    const std::size_t last = std::min<std::size_t>(static_cast<std::size_t>(std::max<int>(header.RecordNo, 0)),
                                                   bytes.size() / kLen);
    for (std::size_t r = 2; r <= last; ++r) dates.insert(RecordOf(bytes, r).substr(28, 8));
    return dates;
}

int CountOf(const std::string& bytes) {
    return bytes.size() < kLen ? 0 : QuoteRecord::Decode(std::string_view(bytes).substr(0, kLen)).RecordNo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    const int edits = 1 + options % 3;
    const bool admin = (options & 0x80) != 0;
    std::array<std::array<std::uint8_t, 6>, 3> ops{};
    for (int k = 0; k < edits; ++k) {
        for (std::uint8_t& b : ops[static_cast<std::size_t>(k)]) b = fuzz::TakeOptions(bytes);
    }
    const std::string path = fuzz::FileIn("1301d.KDT");
    fuzz::WriteFile(path, bytes);
    const fuzz::FolderFiles folder = fuzz::FolderSnapshot();

    for (int k = 0; k < edits; ++k) {
        const auto& op = ops[static_cast<std::size_t>(k)];
        const std::string before = fuzz::ReadFile(path);
        const int n = CountOf(before);
        const bool whole = n >= 1 && static_cast<std::size_t>(n) * kLen <= before.size();
        const int record = 2 + op[1] % 8;
        const std::string date = DateOf(op[3], op[4], op[5]);
        const float value = static_cast<float>((op[3] << 16 | op[4] << 8 | op[5]) - 0x400000) / 16.0f;
        RecordFile file(path, kLen, FileAccess::ReadWrite);
        FileRestorePoint restore(file);
        bool done = false;
        try {
            switch (op[0] % 4) {
                case 0: {
                    done = DeleteRecord(file, record);
                    file.Close();
                    const std::string after = fuzz::ReadFile(path);
                    if (!done) {
                        fuzz::Check(after == before, "a row that names no record deletes nothing");
                    } else if (whole) {
                        fuzz::Check(after.size() == before.size(), "deleting a row keeps the file's length");
                        fuzz::Check(CountOf(after) == n - 1, "deleting a row counts one record fewer");
                        for (int r = 2; r < n; ++r) {
                            const int from = r < record ? r : r + 1;
                            fuzz::Check(RecordOf(after, static_cast<std::size_t>(r)) ==
                                            RecordOf(before, static_cast<std::size_t>(from)),
                                        "deleting a row moves the later records down one place and keeps the others");
                        }
                    }
                    break;
                }
                case 1: {
                    if (!whole || record > n) break;
                    QuoteRecord header = QuoteRecord::Decode(file.Read(1));
                    QuoteRecord bar = QuoteRecord::Decode(file.Read(record));
                    const HeaderExtremes extremes{header.High, header.Low, header.Volume, header.SellBalance,
                                                  header.BuyBalance};
                    const int column = op[2] % 8 == 0 ? 13 : 1 + op[2] % 8;
                    const bool again = ApplyCellEntry(bar, column, std::to_string(value), value, extremes, admin);
                    file.Write(record, bar.Encode());
                    if (again) RecomputeHeader(file);
                    done = true;
                    file.Close();
                    const std::string after = fuzz::ReadFile(path);
                    fuzz::Check(after.size() == before.size(), "a changed cell keeps the file's length");
                    for (std::size_t r = 2; r * kLen <= before.size(); ++r) {
                        if (r != static_cast<std::size_t>(record))
                            fuzz::Check(RecordOf(after, r) == RecordOf(before, r), "a changed cell changes only its record");
                    }
                    fuzz::Check(RecordOf(after, static_cast<std::size_t>(record)).substr(28, 8) ==
                                    RecordOf(before, static_cast<std::size_t>(record)).substr(28, 8),
                                "a changed cell keeps its record's date");
                    if (again && n >= 2) {
                        float high = 0;
                        for (int r = 2; r <= n; ++r)
                            high = std::max(high, QuoteRecord::Decode(RecordOf(after, static_cast<std::size_t>(r))).High);
                        fuzz::Check(QuoteRecord::Decode(RecordOf(after, 1)).High == high,
                                    "the header's high is the highest high of the records after a recount");
                    }
                    break;
                }
                case 2: {
                    NewRecord row;
                    row.date = date;
                    for (std::size_t v = 0; v < row.values.size(); ++v) row.values[v] = value + static_cast<float>(v);
                    StoreNewRecord(file, row);
                    done = true;
                    file.Close();
                    fuzz::CheckMerge(before, path);
                    fuzz::Check(Dates(fuzz::ReadFile(path)).contains(date), "an added row is there under its date");
                    break;
                }
                case 3: {
                    const std::string old = whole && record <= n ? RecordOf(before, static_cast<std::size_t>(record)) : "";
                    done = MoveRecordToDate(file, record, date);
                    file.Close();
                    const std::string after = fuzz::ReadFile(path);
                    if (!done) {
                        fuzz::Check(after == before, "a row that names no record moves nothing");
                    } else if (whole) {
                        std::multiset<std::string> dates = Dates(before);
                        dates.erase(dates.find(old.substr(28, 8)));
                        const std::multiset<std::string> moved = Dates(after);
                        fuzz::Check(moved.contains(date), "a moved row is there under its new date");
                        for (const std::string& d : dates) {
                            if (d != date) fuzz::Check(moved.contains(d), "moving a row keeps the other rows");
                        }
                    }
                    break;
                }
            }
        } catch (const FileError&) {
            restore.Restore();
            file.Close();
            fuzz::Check(fuzz::ReadFile(path) == before, "a failed edit leaves the file as it was");
        }
    }
    fuzz::CheckFolderKept(folder, {"1301d.KDT"});
    return 0;
}
