#include "core/data_store.h"

#include <algorithm>
#include <utility>

#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr std::size_t kLen = QuoteRecord::kLength;

void WriteRecord(RecordFile& file, std::int64_t k, const QuoteRecord& r) { file.Write(k, r.Encode()); }

// Every file the store writes starts with a whole header counting itself,
// so N is at least 1.  A header below that (an empty file, or garbage where
// the header should be) would have a bar written that the header does not
// count, and the next merge would write over it; a header cut short has
// its N made up of missing bytes.  Such a file is refused before anything
// moves.
QuoteRecord ReadHeader(RecordFile& file) {
    const auto bytes = file.ReadWhole(1);
    if (!bytes) throw FileError("the stock data file " + file.Path() + " is too short to hold its header");
    QuoteRecord header = QuoteRecord::Decode(*bytes);
    if (header.RecordNo < 1)
        throw FileError("the header of the stock data file " + file.Path() + " is damaged (record count " +
                        std::to_string(header.RecordNo) + ")");
    return header;
}

// The re-downloaded bar carries nothing the stored one lacks.  Prices, High,
// Low and Volume always count; a margin bar's balances count too.
bool SameBar(const QuoteRecord& stored, const QuoteRecord& next) {
    const bool prices = stored.Open == next.Open && stored.Close == next.Close && stored.High == next.High &&
                        stored.Low == next.Low && stored.Volume == next.Volume;
    if (next.BuyBalance == 0) return prices;
    return prices && stored.BuyBalance == next.BuyBalance && stored.SellBalance == next.SellBalance;
}

constexpr std::size_t kDateOffset = 28;
constexpr std::size_t kDateWidth = 8;

std::string_view DateOf(std::string_view record) { return record.substr(kDateOffset, kDateWidth); }

// Moves records [from, to] by `shift` positions (+1 up, -1 down) in one
// block, which gives the same bytes as moving them one by one.
void MoveRecords(RecordFile& file, std::int64_t from, std::int64_t to, int shift) {
    if (to < from) return;
    const std::string block = file.ReadBlock(from, to - from + 1);
    file.WriteBlock(from + shift, block);
}

// The newest record from N down to 2 for which `stops` holds, or 1 when none
// does.  `scanned` gets the bytes of the records read, from the one where
// the scan ended (record 2 when none stopped it) up to N, in one block: the
// records an insertion moves are read once.  The usual new bar stops at the
// last record; an older one is found with reads that grow to large blocks,
// rather than one small read per bar.
template <class Stops>
std::int64_t ScanBack(RecordFile& file, std::int64_t n, std::string& scanned, Stops stops) {
    scanned.clear();
    std::int64_t block = 1;
    std::int64_t high = n;
    while (high >= 2) {
        const std::int64_t low = std::max<std::int64_t>(2, high - block + 1);
        if (scanned.empty()) {
            scanned = file.ReadBlock(low, high - low + 1);
        } else {
            scanned.insert(0, file.ReadBlock(low, high - low + 1));
        }
        for (std::int64_t p = high; p >= low; --p) {
            const std::string_view record =
                std::string_view(scanned).substr(static_cast<std::size_t>(p - low) * kLen, kLen);
            const bool stopped = stops(record);
            if (stopped || p == 2) {
                scanned.erase(0, static_cast<std::size_t>(p - low) * kLen);
                return stopped ? p : 1;
            }
        }
        high = low - 1;
        block = std::min<std::int64_t>(block * 4, 4096);
    }
    return 1;
}

// The records the header counts, as far as the file holds them whole.  A
// file whose last write was cut short (a copy cut off, a full disk) may
// count records it lacks; a record cut off part of the way is none.  Writing
// after a count like that would leave records of zeros between the last
// bar and the new one.
std::int64_t CountedRecords(RecordFile& file, const QuoteRecord& header) {
    return std::min<std::int64_t>(header.RecordNo, file.RecordCount());
}

}  // namespace

DateKey DateKeyByRule(std::string_view field) {
    const std::string date = UnpackField(field);
    auto piece = [&](std::size_t start) { return static_cast<int>(Fix(Val(MidChars(date, start, 2)))); };
    DateKey k{piece(7), piece(1), piece(4)};
    if (k.year < 60) k.year += 100;
    return k;
}

DateKey DateKeyOf(std::string_view field) {
    // Every date the program writes is "dd/dd/dd".  Scanning back over
    // thousands of them is most of an old bar's merge, so they are read here
    // digit by digit; the rule, with its code-page conversion and number
    // reading, is left for anything else.
    auto digit = [&](std::size_t i) { return field[i] >= '0' && field[i] <= '9'; };
    const bool plain = field.size() == 8 && digit(0) && digit(1) && field[2] == '/' && digit(3) && digit(4) &&
                       field[5] == '/' && digit(6) && digit(7);
    if (!plain) return DateKeyByRule(field);
    auto number = [&](std::size_t i) { return (field[i] - '0') * 10 + (field[i + 1] - '0'); };
    DateKey k{number(6), number(0), number(3)};
    if (k.year < 60) k.year += 100;
    return k;
}

void CreateDataFile(const std::string& path) {
    QuoteRecord header;
    header.RecordNo = 1;
    header.Low = 200000000.0f;
    header.QuoteDate = FormatMmDdYy(Today());
    RecordFile file(path, kLen);
    WriteRecord(file, 1, header);
    file.Close();
    Program().store.QuoteBufA = header;
}

MergeOutcome MergeQuoteRecord(RecordFile& file) {
    StoreState& s = Program().store;
    QuoteRecord headerRead = ReadHeader(file);  // a damaged file leaves the buffers as they were
    s.RecordWritten = kTrue;
    const QuoteRecord bar = s.QuoteBufB;

    s.QuoteBufA = std::move(headerRead);
    QuoteRecord& header = s.QuoteBufA;
    if (header.RangeMax > header.High) {
        header.High = header.RangeMax;
        header.Low = header.RangeMin;
    }
    std::int64_t n = CountedRecords(file, header);
    const bool miscounted = n != header.RecordNo;
    // Callers merge many bars while they hold the file open: its header stays
    // in memory between merges, and bars appended behind the last go out
    // together.
    file.HoldWrites(n + 1);
    // The new date is ordered and compared as its field will hold it, so a
    // caller's "8/1/19" finds the "8/1/19  " stored for it before instead of
    // being stored again.
    const std::string date = bar.DateField();
    const DateKey key = DateKeyOf(date);

    std::string scanned;
    std::int64_t p =
        ScanBack(file, n, scanned, [&](std::string_view record) { return DateKeyOf(DateOf(record)) <= key; });
    const std::string_view stopped = std::string_view(scanned).substr(0, n >= 2 ? kLen : 0);
    if (n >= 2) s.QuoteBufB = QuoteRecord::Decode(stopped);

    const bool replace = p >= 2 && DateOf(stopped) == date;
    std::string_view moving;  // the records an insertion moves up one: p + 1 to N
    if (!replace) {
        if (n + 1 > kMaxDataRecords)
            throw RecordLimitError("the stock data file " + file.Path() + " holds the most bars it can");
        if (p < n) {
            moving = std::string_view(scanned).substr(p >= 2 ? kLen : 0);
            s.QuoteBufB = QuoteRecord::Decode(moving.substr(0, kLen));
        }
    }

    if (replace) {
        auto dayBeforeIsAugust12 = [&] {
            const DateKey before = DateKeyOf(DateOf(file.Read(p - 1)));
            return before.month == 8 && before.day == 12;
        };
        const bool holiday = key == DateKey{119, 8, 13} && Program().selection.CurrentCode > std::string("0100") &&
                             p >= 3 && dayBeforeIsAugust12();
        if (holiday) {
            MoveRecords(file, p, n, -1);
            --n;
            header.RecordNo = static_cast<std::int16_t>(n);
            WriteRecord(file, 1, header);
            file.Flush();  // the file counts the records it holds now
            --p;
        }
        if (SameBar(s.QuoteBufB, bar)) {
            s.RecordWritten = kFalse;
            return MergeOutcome::Identical;
        }
    }

    const std::int64_t oldN = n;
    if (!replace) ++n;
    header.RecordNo = static_cast<std::int16_t>(n);
    header.Volume = std::max(header.Volume, bar.Volume);
    header.High = std::max(header.High, bar.High);
    header.BuyBalance = std::max(header.BuyBalance, bar.BuyBalance);
    header.SellBalance = std::max(header.SellBalance, bar.SellBalance);
    header.Low = std::min(header.Low, bar.Low);

    QuoteRecord written = bar;
    written.CorrectionMultiplier = "  ";
    written.Reserved = 0;
    const std::string bytes = written.Encode();
    const std::int64_t at = replace ? p : p + 1;

    // The one write that grows the file goes first: on a full disk it fails
    // before any stored bar is written over, leaving at most a record behind
    // N, which readers ignore.  Every later write lands inside the file.
    if (replace) {
        WriteRecord(file, 1, header);
        file.Write(at, bytes);
    } else if (at > oldN) {
        file.Write(at, bytes);
        WriteRecord(file, 1, header);
    } else {
        file.WriteBlock(oldN + 1, moving.substr(moving.size() - kLen));
        file.WriteBlock(at + 1, moving.substr(0, moving.size() - kLen));
        WriteRecord(file, 1, header);
        file.Write(at, bytes);
    }
    // A count beyond the file is put right on the disk at once, so that no
    // later crash leaves it counting what the file does not hold.
    if (miscounted) file.Flush();
    s.QuoteBufA = QuoteRecord::Decode(bytes);
    return replace ? MergeOutcome::Replaced : MergeOutcome::Inserted;
}

int IsDateMissing(RecordFile& file, std::string_view dateText) {
    StoreState& s = Program().store;
    s.QuoteBufA = ReadHeader(file);
    const std::string date = PackField(dateText, kDateWidth);  // as the merge stores it
    const std::int64_t n = CountedRecords(file, s.QuoteBufA);
    std::string scanned;
    const std::int64_t k =
        ScanBack(file, n, scanned, [&](std::string_view record) { return DateOf(record) == date; });
    // As a reader going back one record at a time, QuoteBufA ends on the last
    // record read.
    if (n >= 2) s.QuoteBufA = QuoteRecord::Decode(std::string_view(scanned).substr(0, kLen));
    return k >= 2 ? 0 : 1;
}

int ExpandYear(int year2) { return FullYearOf(year2); }

int ExpandYear(std::string_view year2) { return ExpandYear(CInt(Val(year2)).value_or(0)); }

int FileExistsIn(const std::string& fileName, const std::string& folder) {
    const std::size_t dot = fileName.find('.');
    const std::vector<std::string> entries =
        dot == std::string::npos ? ListFolder(".", fileName) : ListFolder(folder, "*." + fileName.substr(dot + 1));
    auto stem = [](const std::string& name) {
        const std::size_t count = CharCount(name);
        return count > 4 ? LeftChars(name, count - 4) : std::string();
    };
    const std::string wanted = stem(fileName);
    const bool listed = std::any_of(entries.begin(), entries.end(), [&](const std::string& e) { return stem(e) == wanted; });
    // The listing takes the extension in any letter case, but every caller
    // then opens the name as given: where the file system tells letter case
    // apart, "Ranvikchart.INI" passes the listing and does not open.  The
    // name is also asked for exactly as the caller will open it.
    return listed && FileExists(dot == std::string::npos ? fileName : JoinPath(folder, fileName)) ? 1 : 0;
}

int CountDataFiles(const std::string& folder) { return static_cast<int>(ListFolder(folder, "*.KDT").size()); }

std::string DataFileName(std::string_view code, bool daily) {
    return std::string(code) + (daily ? "d" : "w") + ".KDT";
}

}  // namespace ranvik
