#include "core/data_store.h"

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include "core/program_state.h"
#include "platform/runtime/folder.h"
#include "tests/support/test_support.h"

namespace ranvik {

void PrintTo(const DateKey& k, std::ostream* os) { *os << k.year << "/" << k.month << "/" << k.day; }

namespace {

QuoteRecord Bar(const char* date, float close, float volume = 1000, float buy = 0, float sell = 0) {
    QuoteRecord r;
    r.QuoteDate = date;
    r.Open = close - 1;
    r.Close = close;
    r.High = close + 2;
    r.Low = close - 3;
    r.Volume = volume;
    r.BuyBalance = buy;
    r.SellBalance = sell;
    return r;
}

// Files of this process cannot grow past `bytes` while the object lives: a
// full disk without filling one.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);  // a refused write then fails instead of ending the process
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

class Store : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().selection.CurrentCode = "1301";
        path_ = dir_.File("1301d.KDT");
        CreateDataFile(path_);
    }

    MergeOutcome Merge(const QuoteRecord& bar) {
        Program().store.QuoteBufB = bar;
        RecordFile f(path_, QuoteRecord::kLength);
        return MergeQuoteRecord(f);
    }

    void MergeAll(const std::vector<QuoteRecord>& bars) {
        for (const auto& b : bars) Merge(b);
    }

    QuoteRecord Record(int k) {
        RecordFile f(path_, QuoteRecord::kLength);
        return QuoteRecord::Decode(f.Read(k));
    }

    std::vector<std::string> Dates() {
        std::vector<std::string> dates;
        const int n = Record(1).RecordNo;
        for (int k = 2; k <= n; ++k) dates.push_back(Record(k).QuoteDate);
        return dates;
    }

    std::string Bytes() { return test::ReadBytes(path_); }

    test::FixedClock clock_{{2026, 12, 10}};
    test::TempFolder dir_;
    std::string path_;
};

TEST_F(Store, ANewFileHoldsOnlyItsHeader) {
    const std::string expected = std::string("\x01\x00" "  ", 4) + std::string(20, '\0') +
                                 std::string("\x20\xBC\x3E\x4D", 4) + "12/10/26" + std::string(16, '\0');
    EXPECT_EQ(test::Hex(Bytes()), test::Hex(expected));
    EXPECT_EQ(Program().store.QuoteBufA.Encode(), expected);
}

TEST_F(Store, CreatingOverAFileResetsItToNoBarsWithoutShorteningIt) {
    MergeAll({Bar("01/05/24", 100), Bar("01/06/24", 101)});
    const auto before = Bytes();
    CreateDataFile(path_);
    const auto after = Bytes();
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(Record(1).RecordNo, 1);
    EXPECT_EQ(after.substr(52), before.substr(52));
}

TEST_F(Store, TheFirstBarGoesToRecordTwo) {
    const QuoteRecord bar = Bar("01/05/24", 100, 5000);
    EXPECT_EQ(Merge(bar), MergeOutcome::Inserted);
    EXPECT_EQ(Program().store.RecordWritten, -1);
    const QuoteRecord header = Record(1);
    EXPECT_EQ(header.RecordNo, 2);
    EXPECT_EQ(header.Low, 97);
    EXPECT_EQ(header.High, 102);
    EXPECT_EQ(header.Volume, 5000);
    EXPECT_EQ(Record(2), bar);
    EXPECT_EQ(Program().store.QuoteBufA, bar);
    // The buffer still carries the new date here; the outcome says what
    // really happened.
    EXPECT_EQ(Program().store.QuoteBufB.QuoteDate, "01/05/24");
}

TEST_F(Store, BarsStandInDateOrderAcrossTheCentury) {
    MergeAll({Bar("01/05/00", 1), Bar("12/30/99", 2), Bar("01/05/59", 3), Bar("01/05/60", 4), Bar("02/01/00", 5),
              Bar("01/04/00", 6), Bar("12/31/99", 7)});
    EXPECT_EQ(Dates(), (std::vector<std::string>{"01/05/60", "12/30/99", "12/31/99", "01/04/00", "01/05/00",
                                                 "02/01/00", "01/05/59"}));
}

// A date is stored in its 8-byte field, blank-padded or cut; a caller's
// text finds the bar stored for it in whichever form it comes.
TEST_F(Store, ADateIsMatchedAsItsFieldHoldsIt) {
    struct Case {
        const char* first;
        const char* second;
        MergeOutcome outcome;
        std::vector<std::string> dates;
    } cases[] = {
        {"8/1/19", "8/1/19", MergeOutcome::Replaced, {"8/1/19  "}},
        {"8/1/19", "8/1/19  ", MergeOutcome::Replaced, {"8/1/19  "}},
        {"8/1/19  ", "8/1/19", MergeOutcome::Replaced, {"8/1/19  "}},
        {"08/13/2019", "08/13/20", MergeOutcome::Replaced, {"08/13/20"}},
        {"8/13/19", "08/13/19", MergeOutcome::Inserted, {"8/13/19 ", "08/13/19"}},
    };
    for (const auto& c : cases) {
        CreateDataFile(path_);
        Merge(Bar(c.first, 10));
        EXPECT_EQ(Merge(Bar(c.second, 11)), c.outcome) << c.first << " then " << c.second;
        EXPECT_EQ(Dates(), c.dates) << c.first << " then " << c.second;
        EXPECT_EQ(Program().store.QuoteBufA.QuoteDate, c.dates.back()) << "the record as written";
        RecordFile f(path_, QuoteRecord::kLength);
        EXPECT_EQ(IsDateMissing(f, c.second), 0) << c.second;
    }
}

TEST_F(Store, AnOlderBarMovesEveryStoredBarUpOneRecord) {
    MergeAll({Bar("03/01/24", 30), Bar("03/04/24", 31), Bar("03/05/24", 32)});
    const std::string before = Bytes();
    const QuoteRecord older = Bar("02/29/24", 29);
    EXPECT_EQ(Merge(older), MergeOutcome::Inserted);
    const std::string after = Bytes();
    EXPECT_EQ(Record(1).RecordNo, 5);
    EXPECT_EQ(after.substr(52, 52), older.Encode());
    EXPECT_EQ(test::Hex(after.substr(104, 156)), test::Hex(before.substr(52, 156)));
    EXPECT_NE(Program().store.QuoteBufB.QuoteDate, older.QuoteDate);
}

TEST_F(Store, MergingTheSameBarAgainChangesNoByte) {
    MergeAll({Bar("03/01/24", 30), Bar("03/04/24", 31)});
    const std::string before = Bytes();
    EXPECT_EQ(Merge(Bar("03/01/24", 30)), MergeOutcome::Identical);
    EXPECT_EQ(Program().store.RecordWritten, 0);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Program().store.QuoteBufA.RecordNo, 3);  // the header as read
    EXPECT_EQ(Program().store.QuoteBufB.QuoteDate, "03/01/24");
}

// A re-downloaded bar counts as identical only when nothing it carries
// differs; a changed High, Low or margin balance is stored.
TEST_F(Store, ARealChangeIsNeverTakenForAnIdenticalBar) {
    struct Case {
        const char* what;
        QuoteRecord stored;
        QuoteRecord next;
        MergeOutcome outcome;
    };
    QuoteRecord higher = Bar("03/01/24", 30);
    higher.High += 5;
    QuoteRecord lower = Bar("03/01/24", 30);
    lower.Low -= 5;
    std::vector<Case> cases = {
        {"same price bar", Bar("03/01/24", 30), Bar("03/01/24", 30), MergeOutcome::Identical},
        {"High changed", Bar("03/01/24", 30), higher, MergeOutcome::Replaced},
        {"Low changed", Bar("03/01/24", 30), lower, MergeOutcome::Replaced},
        {"Close changed", Bar("03/01/24", 30), Bar("03/01/24", 31), MergeOutcome::Replaced},
        {"Volume changed", Bar("03/01/24", 30), Bar("03/01/24", 30, 999), MergeOutcome::Replaced},
        {"same margin bar", Bar("03/01/24", 30, 1000, 500, 200), Bar("03/01/24", 30, 1000, 500, 200),
         MergeOutcome::Identical},
        {"SellBalance changed", Bar("03/01/24", 30, 1000, 500, 200), Bar("03/01/24", 30, 1000, 500, 250),
         MergeOutcome::Replaced},
        {"BuyBalance changed", Bar("03/01/24", 30, 1000, 500, 200), Bar("03/01/24", 30, 1000, 600, 200),
         MergeOutcome::Replaced},
    };
    for (const auto& c : cases) {
        CreateDataFile(path_);
        Merge(c.stored);
        EXPECT_EQ(Merge(c.next), c.outcome) << c.what;
        EXPECT_EQ(Record(2), c.outcome == MergeOutcome::Identical ? c.stored : c.next) << c.what;
        EXPECT_EQ(Record(1).RecordNo, 2) << c.what;
    }
}

// The written bar never takes a split mark or a reserved value: not the
// stored bar's, nor a stale one left in QuoteBufB by its last use.
TEST_F(Store, AWrittenBarCarriesNoSplitMarkAndAReplacementClearsTheBalances) {
    Merge(Bar("03/01/24", 30, 1000, 500, 200));
    {
        RecordFile f(path_, QuoteRecord::kLength);
        QuoteRecord marked = Record(2);
        marked.CorrectionMultiplier = "2 ";
        f.Write(2, marked.Encode());
    }
    auto stale = [](QuoteRecord bar) {
        bar.CorrectionMultiplier = "05";
        bar.Reserved = 7;
        return bar;
    };
    EXPECT_EQ(Merge(stale(Bar("03/01/24", 31))), MergeOutcome::Replaced);
    EXPECT_EQ(Merge(stale(Bar("02/29/24", 29))), MergeOutcome::Inserted);
    EXPECT_EQ(Merge(stale(Bar("03/04/24", 32))), MergeOutcome::Inserted);
    for (int k = 2; k <= 4; ++k) {
        EXPECT_EQ(Record(k).CorrectionMultiplier, "  ") << k;
        EXPECT_EQ(Record(k).Reserved, 0) << k;
    }
    const QuoteRecord replaced = Record(3);
    EXPECT_EQ(replaced.BuyBalance, 0);
    EXPECT_EQ(replaced.SellBalance, 0);
    EXPECT_EQ(Program().store.QuoteBufA.CorrectionMultiplier, "  ");
}

// Text fields a merge does not change leave as the bytes they came in as,
// even where those are not CP932: in the header, which every merge rewrites,
// and in a bar moved up by an insertion.
TEST_F(Store, BytesThatAreNotCp932SurviveTheMerge) {
    MergeAll({Bar("03/01/24", 30), Bar("03/04/24", 31)});
    {
        RecordFile f(path_, QuoteRecord::kLength);
        std::string header = f.Read(1);
        header.replace(2, 2, "\x85\x40");          // a code CP932 leaves empty
        header.replace(28, 8, "12/\xFD\xFE/26");
        f.Write(1, header);
        std::string bar = f.Read(2);
        bar.replace(2, 2, "\xA0\x81");             // a stray byte, then a lead byte cut off
        f.Write(2, bar);
    }
    const std::string before = Bytes();
    EXPECT_EQ(Merge(Bar("02/29/24", 29)), MergeOutcome::Inserted);
    const std::string after = Bytes();
    EXPECT_EQ(test::Hex(after.substr(2, 2)), test::Hex(before.substr(2, 2)));
    EXPECT_EQ(test::Hex(after.substr(28, 8)), test::Hex(before.substr(28, 8)));
    EXPECT_EQ(test::Hex(after.substr(104, 104)), test::Hex(before.substr(52, 104)));
    // So does a record read, changed in a number and written back whole.
    QuoteRecord moved = Record(3);
    moved.Close += 1;
    EXPECT_EQ(test::Hex(moved.Encode().substr(2, 2)), "A0 81");
    moved.CorrectionMultiplier = "2";
    EXPECT_EQ(moved.Encode().substr(2, 2), "2 ");
}

TEST_F(Store, TheHeaderOnlyWidens) {
    Merge(Bar("03/01/24", 100, 9000, 700, 300));
    Merge(Bar("03/01/24", 50, 10, 1, 1));  // replaces the bar that set every maximum
    const QuoteRecord h = Record(1);
    EXPECT_EQ(h.High, 102);
    EXPECT_EQ(h.Low, 47);
    EXPECT_EQ(h.Volume, 9000);
    EXPECT_EQ(h.BuyBalance, 700);
    EXPECT_EQ(h.SellBalance, 300);
}

TEST_F(Store, ARangeAboveTheHeadersHighTakesItsPlace) {
    {
        RecordFile f(path_, QuoteRecord::kLength);
        QuoteRecord h = Record(1);
        h.RangeMax = 500;
        h.RangeMin = 5;
        f.Write(1, h.Encode());
    }
    Merge(Bar("03/01/24", 100));
    EXPECT_EQ(Record(1).High, 500);
    EXPECT_EQ(Record(1).Low, 5);
}

TEST_F(Store, TheAugust2019HolidayBarIsDroppedForStocks) {
    struct Case {
        const char* code;
        std::vector<std::string> dates;
    } cases[] = {
        {"1301", {"08/09/19", "08/13/19"}},
        {"0100", {"08/09/19", "08/12/19", "08/13/19"}},
    };
    for (const auto& c : cases) {
        CreateDataFile(path_);
        Program().selection.CurrentCode = c.code;
        MergeAll({Bar("08/09/19", 10), Bar("08/12/19", 11), Bar("08/13/19", 12)});
        EXPECT_EQ(Dates().size(), 3u) << "the first merge of 08/13/19 keeps 08/12/19";
        const QuoteRecord changed = Bar("08/13/19", 13);
        EXPECT_EQ(Merge(changed), MergeOutcome::Replaced) << c.code;
        EXPECT_EQ(Dates(), c.dates) << c.code;
        EXPECT_EQ(Record(static_cast<int>(c.dates.size()) + 1), changed) << c.code;
    }
}

TEST_F(Store, TheHolidayRemovalStaysWrittenWhenTheBarIsIdentical) {
    MergeAll({Bar("08/09/19", 10), Bar("08/12/19", 11), Bar("08/13/19", 12)});
    EXPECT_EQ(Merge(Bar("08/13/19", 12)), MergeOutcome::Identical);
    EXPECT_EQ(Dates(), (std::vector<std::string>{"08/09/19", "08/13/19"}));
}

// On a full disk only the write that grows the file fails.  It goes first,
// so every stored bar and the header are found as they were.
TEST_F(Store, AFileThatCannotGrowKeepsEveryBar) {
    MergeAll({Bar("03/01/24", 30), Bar("03/04/24", 31), Bar("03/05/24", 32)});
    const std::string before = Bytes();
    struct Case {
        const char* what;
        QuoteRecord bar;
    } cases[] = {
        {"newer than all", Bar("03/06/24", 33)},
        {"older than all", Bar("02/29/24", 29)},
        {"between two", Bar("03/02/24", 29)},
    };
    for (const auto& c : cases) {
        {
            FileSizeLimit full(before.size());
            EXPECT_THROW(Merge(c.bar), FileError) << c.what;
        }
        EXPECT_EQ(test::Hex(Bytes()), test::Hex(before)) << c.what;
    }
    // A replacement needs no room and still works.
    FileSizeLimit full(before.size());
    EXPECT_EQ(Merge(Bar("03/04/24", 35)), MergeOutcome::Replaced);
}

// Record numbers are 2-byte Integers: 32767 records, the header and 32,766
// bars, and no more.
TEST_F(Store, AFileTakesBarsUpToRecord32767AndRefusesTheNext) {
    {
        RecordFile f(path_, QuoteRecord::kLength);
        QuoteRecord h = Record(1);
        h.RecordNo = 32766;
        std::string block;
        for (int k = 2; k <= 32765; ++k) block += Bar("01/05/24", 10).Encode();
        block += Bar("01/06/24", 11).Encode();
        f.WriteBlock(2, block);
        f.Write(1, h.Encode());
    }
    const QuoteRecord last = Bar("01/07/24", 12);
    EXPECT_EQ(Merge(last), MergeOutcome::Inserted);
    EXPECT_EQ(Record(1).RecordNo, 32767);
    EXPECT_EQ(Record(32767), last);

    const std::string before = Bytes();
    EXPECT_THROW(Merge(Bar("01/08/24", 13)), RecordLimitError);
    EXPECT_THROW(Merge(Bar("01/04/24", 9)), RecordLimitError);
    EXPECT_EQ(Bytes(), before);
    // Replacing a stored bar still works: no new record is needed.
    EXPECT_EQ(Merge(Bar("01/07/24", 13)), MergeOutcome::Replaced);
}

// A header that counts fewer than its own record cannot be trusted with a
// bar: the bar it would not count is written over by the next merge.  (An
// empty file that CreateDataFile has not yet written is refused too.)
TEST_F(Store, ADamagedHeaderIsRefusedAndNothingIsWritten) {
    const std::string bar = Bar("01/05/24", 100).Encode();
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"header of zeros", std::string(52, '\0')},
        {"header of zeros before a bar", std::string(52, '\0') + bar},
        {"record count -1", std::string("\xFF\xFF", 2) + std::string(50, 'x')},
        {"record count -32768", std::string("\x00\x80", 2) + std::string(50, 'x') + bar},
        // Its record count would be 7, six of them bars of missing bytes.
        {"a header cut short", std::string("\x07", 1)},
    };
    for (const auto& c : cases) {
        test::WriteBytes(path_, c.bytes);
        Program().store.RecordWritten = 0;
        EXPECT_THROW(Merge(Bar("01/06/24", 101)), FileError) << c.what;
        EXPECT_EQ(test::Hex(Bytes()), test::Hex(c.bytes)) << c.what;
        EXPECT_EQ(Program().store.RecordWritten, 0) << c.what;
        RecordFile f(path_, QuoteRecord::kLength);
        EXPECT_THROW(IsDateMissing(f, "01/05/24"), FileError) << c.what;
    }
}

// A header may count records the file does not hold: a copy cut short, or
// a write cut off.  The file then counts the records it holds whole, a
// record cut part of the way being none, and a merge goes on from there
// with no record of zeros between the last bar and the next.
TEST_F(Store, AHeaderCountingMoreThanTheFileHoldsCountsItsWholeRecords) {
    const struct {
        const char* what;
        std::size_t leftOfNext;
    } cuts[] = {{"cut at a record's end", 0}, {"cut inside a record", 20}};
    const struct {
        const char* what;
        QuoteRecord bar;
        MergeOutcome outcome;
        std::vector<std::string> dates;
    } merges[] = {
        {"newer than all", Bar("03/06/24", 33), MergeOutcome::Inserted, {"03/01/24", "03/04/24", "03/05/24", "03/06/24"}},
        {"older than all", Bar("02/29/24", 29), MergeOutcome::Inserted, {"02/29/24", "03/01/24", "03/04/24", "03/05/24"}},
        {"replacing the last", Bar("03/05/24", 35), MergeOutcome::Replaced, {"03/01/24", "03/04/24", "03/05/24"}},
    };
    for (const auto& cut : cuts) {
        for (const auto& m : merges) {
            SCOPED_TRACE(std::string(cut.what) + ", " + m.what);
            test::WriteBytes(path_, "");  // creating keeps the length a file had
            CreateDataFile(path_);
            MergeAll({Bar("03/01/24", 30), Bar("03/04/24", 31), Bar("03/05/24", 32)});
            std::string bytes = Bytes();
            bytes += Bar("03/08/24", 40).Encode().substr(0, cut.leftOfNext);
            bytes[0] = 9;  // the header counts five records more than the file holds
            test::WriteBytes(path_, bytes);

            EXPECT_EQ(Merge(m.bar), m.outcome);
            const int n = static_cast<int>(m.dates.size()) + 1;
            EXPECT_EQ(Record(1).RecordNo, n);
            EXPECT_EQ(Dates(), m.dates);
            for (int k = 2; k <= n; ++k) EXPECT_NE(Record(k).Close, 0) << k;
            // Only the new bar's record grows the file; the bytes of a record
            // cut off stay behind the count.
            const std::size_t whole = std::max<std::size_t>(n, 4) * QuoteRecord::kLength;
            EXPECT_EQ(Bytes().size(), std::max(whole, bytes.size()));
        }
    }
}

TEST_F(Store, IsDateMissingComparesTheWholeDateText) {
    EXPECT_EQ(IsDateMissing(*std::make_unique<RecordFile>(path_, QuoteRecord::kLength), "01/05/24"), 1);
    // The header carries the creation date, but it is no bar.
    EXPECT_EQ(IsDateMissing(*std::make_unique<RecordFile>(path_, QuoteRecord::kLength), "12/10/26"), 1);
    MergeAll({Bar("08/13/19", 12), Bar("08/14/19", 13)});
    RecordFile f(path_, QuoteRecord::kLength);
    EXPECT_EQ(IsDateMissing(f, "12/10/26"), 1);
    EXPECT_EQ(IsDateMissing(f, "8/13/19"), 1);
    EXPECT_EQ(IsDateMissing(f, "08/13/19"), 0);
    EXPECT_EQ(Program().store.QuoteBufA, Bar("08/13/19", 12));
}

// Dates order by the rule (Val of characters 1-2, 4-5 and 7-8); plain
// "dd/dd/dd" fields take a short way round that must give the same key.
TEST(StoreHelpers, EveryDateFieldIsOrderedByTheRule) {
    struct Case {
        std::string field;
        DateKey key;
    } cases[] = {
        {"08/13/19", {119, 8, 13}},
        {"12/31/99", {99, 12, 31}},
        {"01/04/00", {100, 1, 4}},
        {"00/00/59", {159, 0, 0}},
        {"00/00/60", {60, 0, 0}},
        {"99/99/99", {99, 99, 99}},
        {"8/1/19  ", {100, 8, 0}},  // "8/", "/1" and "  "
        {"        ", {100, 0, 0}},
        {"  /  /  ", {100, 0, 0}},
        {" 8/13/19", {119, 8, 13}},
        {"08/13/1 ", {101, 8, 13}},
        {"1 /1 /1 ", {101, 1, 1}},
        {"ab/cd/ef", {100, 0, 0}},
        {"1e/05/99", {99, 1, 5}},   // an exponent without digits is no exponent
        {"-1/05/99", {99, -1, 5}},
        {"+1/05/-5", {95, 1, 5}},
        {".5/5./1.", {101, 0, 5}},
        {"08-13-19", {119, 8, 13}},  // the separators are never read
        {std::string("\0\0/13/19", 8), {119, 0, 13}},
        {"\xFD" "8/13/19", {119, 0, 13}},            // a byte that is no CP932 is one character
        {"\x82\x4F\x82\x57/\x82\x50 ", {100, 0, 0}},  // "０８/１ ": full-width digits are not numbers
        {"\x82\x4F" "8/13/1", {101, 0, 13}},         // "０8/13/1": the pieces are characters, not bytes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateKeyByRule(c.field), c.key) << test::Hex(c.field);
        EXPECT_EQ(DateKeyOf(c.field), c.key) << test::Hex(c.field);
    }
}

TEST(StoreHelpers, ExpandYear) {
    struct Case {
        int year2;
        int year;
    } cases[] = {{0, 2000}, {5, 2005}, {59, 2059}, {60, 1960}, {99, 1999}};
    for (const auto& c : cases) EXPECT_EQ(ExpandYear(c.year2), c.year);
    EXPECT_EQ(ExpandYear("05"), 2005);
    EXPECT_EQ(ExpandYear("60"), 1960);
}

TEST(StoreHelpers, FileExistsInComparesNamesExactly) {
    test::TempFolder dir;
    test::WriteBytes(dir.File("1301D.KDT"), "");
    EXPECT_EQ(FileExistsIn("1301d.KDT", dir.Path()), 0);
    EXPECT_EQ(FileExistsIn("1301D.KDT", dir.Path()), 1);
    test::WriteBytes(dir.File("1301d.KDT"), "");
    EXPECT_EQ(FileExistsIn("1301d.KDT", dir.Path()), 1);
    EXPECT_EQ(FileExistsIn("7203d.KDT", dir.Path()), 0);
}

// A name the listing finds only in another letter case of its extension is
// one the caller cannot open, where the file system tells case apart.
TEST(StoreHelpers, FileExistsInAsksForTheNameTheCallerWillOpen) {
    test::TempFolder dir;
    test::WriteBytes(dir.File("Ranvikchart.INI"), "");
    test::WriteBytes(dir.File("東証プライムリスト.etbl"), "");
    if (FileExists(dir.File("Ranvikchart.ini"))) GTEST_SKIP() << "letter case does not count on this file system";
    struct Case {
        const char* name;
        int exists;
    } cases[] = {
        {"Ranvikchart.ini", 0},
        {"Ranvikchart.INI", 1},
        {"東証プライムリスト.eTBL", 0},
        {"東証プライムリスト.etbl", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(FileExistsIn(c.name, dir.Path()), c.exists) << c.name;
}

TEST(StoreHelpers, CountDataFiles) {
    test::TempFolder dir;
    EXPECT_EQ(CountDataFiles(dir.Path()), 0);
    for (const char* name : {"1301d.KDT", "1301w.KDT", "Temp1d.KDT", "MyURL.txt"}) test::WriteBytes(dir.File(name), "");
    EXPECT_EQ(CountDataFiles(dir.Path()), 3);
}

}  // namespace
}  // namespace ranvik
