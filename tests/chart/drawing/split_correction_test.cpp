// Split correction: the multiplier the header asks for, written back byte for
// byte; the points collected; the corrected copy against record-by-record
// merging; the menu item; the whole-file range; the per-bar rule.
#include "chart/drawing/split_correction.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <QLabel>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/data_store.h"
#include "platform/runtime/folder.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

using test::DataFileBuilder;

class SplitCorrection : public test::DrawingTest {
protected:
    MenuItem Hosei() { return w.Item("mnuHosei", 1); }

    // The copy the test expects: a fresh file into which each bar of `file`,
    // divided by factor(r) (volume and balances multiplied), is merged one
    // at a time.
    std::string MergedCopy(DataFileBuilder file, const std::function<float(int)>& factor) {
        const std::string path = dir.File("expected.KDT");
        CreateDataFile(path);
        RecordFile copy(path, QuoteRecord::kLength);
        for (int r = 2; r <= file.LastRecord(); ++r) {
            QuoteRecord bar = file[r];
            const float c = factor(r);
            if (c != 1) {
                bar.High /= c;
                bar.Low /= c;
                bar.Open /= c;
                bar.Close /= c;
                bar.Volume *= c;
                bar.BuyBalance *= c;
                bar.SellBalance *= c;
            }
            Program().store.QuoteBufB = bar;
            MergeQuoteRecord(copy);
        }
        copy.Close();
        std::string bytes = test::ReadBytes(path);
        std::filesystem::remove(path);
        return bytes;
    }
};

TEST(PointMultiplier, OnlyAMultiplierAbove0MarksAPoint) {
    const struct {
        const char* text;
        bool point;
    } cases[] = {
        {"2 ", true}, {"10", true}, {"05", true}, {" 3", true},
        {"00", false},  // tenths of nothing
        {"0 ", false},  // what a ratio near 1 derives to
        {"-2", false}, {"  ", false}, {"", false}, {"x2", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsPointMultiplier(c.text), c.point) << '"' << c.text << '"';
}

TEST(PointMultiplier, DerivedFromTheOpeningPricesAcrossThePoint) {
    const struct {
        float before, at;
        std::optional<std::string> text;
    } cases[] = {
        {1000, 500, "2 "},   // a split: twice as many shares
        {500, 1000, "05"},   // a reverse split
        {250, 1000, "03"},   // 0.25 rounds up to 0.3
        {1000, 960, "1 "},   // 1.04
        {15000, 100, "15"},  // 150 keeps its first two digits
        {950, 1000, "09"},
        {960, 1000, std::nullopt},  // 0.96 rounds to 1.0: no tenth digit
        {40, 1000, std::nullopt},   // 0.04 rounds to 0.0
        {1000, 0, std::nullopt},
        {0, 1000, std::nullopt},
        {-500, 1000, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DerivedMultiplier(c.before, c.at), c.text) << c.before << " / " << c.at;
    }
}

// Header "99" names record 40, whose own multiplier is blank: the ratio of
// the opening prices across it is written into record 40 and the header,
// and nothing else changes.
TEST_F(SplitCorrection, TheMultiplierTheHeaderAsksForIsWrittenBack) {
    const struct {
        const char* what;
        float before, at;
        const char* header;  // the header's multiplier
        const char* point;   // record 40's own
        const char* written;  // both after the load; nullptr: the file as it was
    } cases[] = {
        {"derived", 1000, 500, "99", "  ", "2 "},
        {"reverse split", 500, 1000, "99", "  ", "05"},
        {"99 derives over a point's own", 1000, 500, "99", "3 ", "2 "},
        {"the point's own text is no number", 1000, 500, "2 ", "x ", "2 "},
        {"header and point agree", 1000, 500, "2 ", "2 ", nullptr},
        {"a ratio just below 1", 960, 1000, "99", "  ", nullptr},
        {"a zero price", 0, 1000, "99", "  ", nullptr},
    };
    for (const auto& c : cases) {
        DataFileBuilder file(60);
        file[39].Open = c.before;
        file[40].Open = c.at;
        file.Point(40, c.point).HeaderPoint(40, c.header);
        DataFileBuilder expected = file;
        if (c.written != nullptr) {
            expected[40].CorrectionMultiplier = c.written;
            expected.Header().CorrectionMultiplier = c.written;
        }
        Show(file);
        EXPECT_EQ(test::Hex(test::ReadBytes(dir.File("1301d.KDT"))), test::Hex(expected.Bytes())) << c.what;
        EXPECT_TRUE(Messages().empty()) << c.what;
    }
}

// A header date that no bar carries, or that names the first bar, switches
// the file's correction off for good: the header's multiplier is cleared.
TEST_F(SplitCorrection, AHeaderPointThatIsNoPointIsCleared) {
    for (bool onFirstBar : {false, true}) {
        DataFileBuilder file(30);
        file.Point(2, "2 ").Point(20, "2 ");
        file.HeaderPoint(onFirstBar ? 2 : 20, "2 ");
        if (!onFirstBar) file.Header().QuoteDate = "12/31/99";
        DataFileBuilder expected = file;
        expected.Header().CorrectionMultiplier = "  ";
        Show(file);
        EXPECT_EQ(test::Hex(test::ReadBytes(dir.File("1301d.KDT"))), test::Hex(expected.Bytes())) << onFirstBar;
        EXPECT_FALSE(Hosei().Enabled()) << onFirstBar;
        EXPECT_FALSE(Hosei().Checked()) << onFirstBar;
        EXPECT_EQ(w.fields.CorrectionFactor, 1) << onFirstBar;
        EXPECT_EQ(w.fields.FileHigh, file.Header().High) << onFirstBar;
    }
}

// Files without correction are only read: not a byte changes.
TEST_F(SplitCorrection, AFileWithoutCorrectionIsNotWritten) {
    DataFileBuilder file(30);
    file.Point(20, "2 ");  // a mark the header does not switch on
    Show(file);
    EXPECT_EQ(test::ReadBytes(dir.File("1301d.KDT")), file.Bytes());
    EXPECT_FALSE(Hosei().Enabled());
    EXPECT_EQ(w.fields.CorrectionFactors[0], 0);
}

// One point: the drawers correct on the fly; the captions and FileHigh,
// FileLow take the corrected range of the whole file.
TEST_F(SplitCorrection, OnePointIsCorrectedOnTheFly) {
    DataFileBuilder file(60);
    file[10].High = 3000;  // halved: 1500, still the highest
    file.Seal().Point(40, "2 ").HeaderPoint(40, "2 ");
    Show(file);
    ASSERT_TRUE(Messages().empty());
    EXPECT_TRUE(Hosei().Enabled());
    EXPECT_TRUE(Hosei().Checked());
    EXPECT_EQ(w.fields.CorrectionFactors[0], 1);
    EXPECT_EQ(w.fields.CorrectionRecords[1], 40);
    EXPECT_EQ(w.fields.CorrectionRecord, 40);
    EXPECT_EQ(w.fields.CorrectionFactor, 2);
    float high = 0, low = 1e9f;
    for (int r = 2; r <= 61; ++r) {
        const float c = r < 40 ? 2.0f : 1.0f;
        high = std::max(high, file[r].High / c);
        low = std::min(low, file[r].Low / c);
    }
    EXPECT_EQ(w.fields.FileHigh, high);
    EXPECT_EQ(w.fields.FileLow, low);
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), " 最高値：1,500  最安値：" + PriceCaption(low, false));
    EXPECT_EQ(w.fields.DataFileName, dir.File("1301d.KDT"));
    EXPECT_EQ(test::ReadBytes(dir.File("1301d.KDT")), file.Bytes());
}

// Switched off by the user, the correction stays off at every load, and the
// range is the header's as stored.
TEST_F(SplitCorrection, TheUsersOffChoiceSurvivesALoad) {
    DataFileBuilder file(60);
    file.Point(40, "2 ").HeaderPoint(40, "2 ");
    w.fields.CorrectionWanted = 0;
    Show(file);
    EXPECT_TRUE(Hosei().Enabled());
    EXPECT_FALSE(Hosei().Checked());
    EXPECT_EQ(w.fields.FileHigh, file.Header().High);
    EXPECT_EQ(w.fields.FileLow, file.Header().Low);
}

// Stored multipliers that would divide by 0 or less mark no point.
TEST_F(SplitCorrection, UnusableMultipliersAreNoPoints) {
    DataFileBuilder file(60);
    file.Point(50, "00").Point(45, "-2").Point(40, "2 ").HeaderPoint(40, "2 ");
    Show(file);
    EXPECT_EQ(w.fields.CorrectionFactors[0], 1);
    EXPECT_EQ(w.fields.CorrectionRecord, 40);
    EXPECT_EQ(w.fields.CorrectionFactor, 2);
    EXPECT_TRUE(Hosei().Checked());
}

// Points "2" (newest) and "3": factors 2 and 6, the chart drawn from a copy
// in which every bar is corrected, byte for byte as if each were merged.
TEST_F(SplitCorrection, TwoPointsAreDrawnFromACorrectedCopy) {
    DataFileBuilder file(60);
    file[10].BuyBalance = 500;
    file[10].SellBalance = 300;
    file.Seal().Point(20, "3 ").Point(40, "2 ").HeaderPoint(40, "2 ");
    Show(file);
    ASSERT_TRUE(Messages().empty());
    EXPECT_EQ(w.fields.CorrectionFactors[0], 2);
    EXPECT_EQ(w.fields.CorrectionFactors[1], 2);
    EXPECT_EQ(w.fields.CorrectionFactors[2], 6);
    const std::string copy = dir.File("Hosei1d.KDT");
    const std::string expected = MergedCopy(file, [](int r) { return r < 20 ? 6.0f : r < 40 ? 2.0f : 1.0f; });
    EXPECT_EQ(test::Hex(test::ReadBytes(copy)), test::Hex(expected));
    // Spot checks of what the test worked out.
    RecordFile read(copy, QuoteRecord::kLength, FileAccess::ReadOnly);
    EXPECT_EQ(QuoteRecord::Decode(read.Read(10)).High, file[10].High / 6);
    EXPECT_EQ(QuoteRecord::Decode(read.Read(10)).BuyBalance, 3000);
    EXPECT_EQ(QuoteRecord::Decode(read.Read(30)).Low, file[30].Low / 2);
    EXPECT_EQ(QuoteRecord::Decode(read.Read(40)).Open, file[40].Open);

    EXPECT_EQ(w.fields.DataFileName, copy);
    EXPECT_EQ(w.fields.ShownFileName, copy);
    EXPECT_EQ(w.fields.CorrectedFileName, "Hosei1d.KDT");
    EXPECT_EQ(w.fields.CorrectedSourceName, "1301d.KDT");
    EXPECT_FALSE(Hosei().Enabled());
    EXPECT_FALSE(Hosei().Checked());
    const QuoteRecord header = QuoteRecord::Decode(read.Read(1));
    EXPECT_EQ(w.fields.FileHigh, header.High);
    EXPECT_EQ(w.fields.FileLow, header.Low);
    EXPECT_EQ(test::ReadBytes(dir.File("1301d.KDT")), file.Bytes());

    // The copy itself carries no correction: shown again, it stays as it is.
    w.fields.DataFileName = copy;
    ShowChart(w);
    EXPECT_FALSE(Hosei().Enabled());
    EXPECT_EQ(test::ReadBytes(copy), expected);
}

// Six points: the five newest are used; the sixth is ignored and changes
// no factor, so the bars before the fifth point all take the product.
TEST_F(SplitCorrection, SixPointsUseTheFiveNewest) {
    DataFileBuilder file(60);
    for (int r : {10, 20, 30, 40, 50, 55}) file.Point(r, "2 ");
    file.HeaderPoint(55, "2 ");
    Show(file);
    EXPECT_EQ(w.fields.CorrectionFactors[0], 5);
    EXPECT_EQ(w.fields.CorrectionRecords[5], 20);
    EXPECT_EQ(w.fields.CorrectionFactors[5], 32);
    const std::string expected = MergedCopy(file, [](int r) {
        return r < 20 ? 32.0f : r < 30 ? 16.0f : r < 40 ? 8.0f : r < 50 ? 4.0f : r < 55 ? 2.0f : 1.0f;
    });
    EXPECT_EQ(test::Hex(test::ReadBytes(dir.File("Hosei1d.KDT"))), test::Hex(expected));
}

// A source whose bars are not in date order, or that repeats a date, is
// copied as the merge would store it.
TEST_F(SplitCorrection, TheCopyOfAnUnorderedFileIsStillTheMergedOne) {
    DataFileBuilder file(40);
    std::swap(file[12].QuoteDate, file[13].QuoteDate);
    file[25].QuoteDate = file[24].QuoteDate;
    file[26].QuoteDate = "1/" + file[26].QuoteDate.substr(3);  // unpadded: the same day, another text
    file.Point(20, "05").Point(30, "2 ").HeaderPoint(30, "2 ");
    Show(file);
    const std::string expected = MergedCopy(file, [](int r) { return r < 20 ? 1.0f : r < 30 ? 2.0f : 1.0f; });
    EXPECT_EQ(test::Hex(test::ReadBytes(dir.File("Hosei1d.KDT"))), test::Hex(expected));
}

// The copy's name: the window number, the period letter; the number twice
// when a file of that name is already there; a copy of the other period
// gives way.
TEST_F(SplitCorrection, TheCopysName) {
    DataFileBuilder daily(40);
    daily.Point(20, "2 ").Point(30, "2 ").HeaderPoint(30, "2 ");
    test::WriteBytes(dir.File("Hosei2d.KDT"), "left behind");
    w.fields.WindowNo = 2;
    Show(daily);
    EXPECT_EQ(w.fields.CorrectedFileName, "Hosei22d.KDT");
    EXPECT_EQ(test::ReadBytes(dir.File("Hosei2d.KDT")), "left behind");

    // The same period again takes the same name.
    Show(daily, "1302d.KDT");
    EXPECT_EQ(w.fields.CorrectedFileName, "Hosei22d.KDT");
    EXPECT_EQ(w.fields.CorrectedSourceName, "1302d.KDT");

    Show(daily, "1301w.KDT");
    EXPECT_EQ(w.fields.CorrectedFileName, "Hosei2w.KDT");
    EXPECT_EQ(w.fields.DataFileName, dir.File("Hosei2w.KDT"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Hosei22d.KDT")));
}

// The copy of a file from another folder names its source by its whole
// path: a file of that name in the program folder is another stock.
TEST_F(SplitCorrection, ACopyOfAFileFromElsewhereNamesItsSourceWhole) {
    test::TempFolder elsewhere;
    DataFileBuilder file(40);
    file.Point(20, "2 ").Point(30, "2 ").HeaderPoint(30, "2 ");
    file.Write(elsewhere.File("1301d.KDT"));
    w.fields.DataFileName = elsewhere.File("1301d.KDT");
    ShowChart(w);
    EXPECT_EQ(w.fields.DataFileName, dir.File("Hosei1d.KDT"));
    EXPECT_EQ(w.fields.CorrectedSourceName, elsewhere.File("1301d.KDT"));
}

// A copy that cannot be written: a message, the source drawn uncorrected,
// nothing of the copy left, and whatever stood in its place untouched.
TEST_F(SplitCorrection, ACopyThatCannotBeWrittenLeavesTheSourceShownUncorrected) {
    std::filesystem::create_directory(dir.File("Hosei1d.KDT"));
    DataFileBuilder file(40);
    file.Point(20, "2 ").Point(30, "2 ").HeaderPoint(30, "2 ");
    Show(file);
    ASSERT_EQ(Messages(), std::vector<std::string>{std::string(kCorrectedCopyNotMade)});
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(w.fields.DataFileName, dir.File("1301d.KDT"));
    EXPECT_EQ(w.fields.ShownFileName, dir.File("1301d.KDT"));
    EXPECT_EQ(w.fields.CorrectedFileName, "");
    EXPECT_EQ(w.fields.CorrectedSourceName, "");
    EXPECT_FALSE(Hosei().Enabled());
    EXPECT_FALSE(Hosei().Checked());
    EXPECT_EQ(w.fields.CorrectionFactor, 1);
    EXPECT_EQ(w.fields.FileHigh, file.Header().High);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Hosei1d.KDT")));
    EXPECT_EQ(w.fields.ChartShown, 1);
    EXPECT_EQ(test::ReadBytes(dir.File("1301d.KDT")), file.Bytes());
}

// A copy whose writing is cut short by the program's end (here the file
// size limit's signal, as a crash or a power cut would) leaves no stock data
// file behind for the lists to offer; the next copy of that name is made
// whole and leaves nothing else.
TEST_F(SplitCorrection, ACopyCutShortLeavesNoStockDataFile) {
    DataFileBuilder file(400);
    file.Point(200, "2 ").Point(300, "2 ").HeaderPoint(300, "2 ");
    file.Write(dir.File("1301d.KDT"));
    w.fields.DataFileName = dir.File("1301d.KDT");
    w.fields.StockSource = 1;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;  // the copy needs 400 x 52 bytes
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        ShowChart(w);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    std::vector<std::string> stocks;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        if (e.path().extension() == ".KDT") stocks.push_back(e.path().filename().string());
    }
    EXPECT_EQ(stocks, std::vector<std::string>{"1301d.KDT"});
    EXPECT_EQ(CountDataFiles(dir.Path()), 1);

    ShowChart(w);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(w.fields.DataFileName, dir.File("Hosei1d.KDT"));
    const std::string copy = test::ReadBytes(dir.File("Hosei1d.KDT"));
    ASSERT_GE(copy.size(), QuoteRecord::kLength);
    EXPECT_EQ(QuoteRecord::Decode(copy.substr(0, QuoteRecord::kLength)).RecordNo, file.Header().RecordNo);
    std::size_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        ++files;
        EXPECT_NE(e.path().extension(), ".part") << e.path();
    }
    EXPECT_EQ(files, 2u);
}

// The per-bar rule with points at records 40 ("2") and 20 ("3"), read from
// the start of the file: bars before 20 by 6, from 20 by 2, from 40 as they
// are.
TEST(PerBarRule, AdvancesThenCorrects) {
    ChartWindowState f;
    f.CorrectionFactors = {2, 2, 6, 0, 0, 0};
    f.CorrectionRecords = {0, 40, 20, 0, 0, 0};
    f.CorrectionRecord = 20;
    f.CorrectionFactor = 6;
    const struct {
        int r;
        int point;  // in force after the rule
        float factor;
        float divided;
    } cases[] = {{2, 20, 6, 6}, {19, 20, 6, 6}, {20, 40, 2, 2}, {39, 40, 2, 2}, {40, 40, 2, 1}, {61, 40, 2, 1}};
    for (const auto& c : cases) {
        BarValues bar{.Open = 600, .Close = 1200, .High = 1800, .Low = 300, .Volume = 1000, .BuyBalance = 10, .SellBalance = 20};
        ApplyCorrection(f, c.r, bar);
        EXPECT_EQ(f.CorrectionRecord, c.point) << c.r;
        EXPECT_EQ(f.CorrectionFactor, c.factor) << c.r;
        EXPECT_EQ(bar.Open, 600 / c.divided) << c.r;
        EXPECT_EQ(bar.Close, 1200 / c.divided) << c.r;
        EXPECT_EQ(bar.High, 1800 / c.divided) << c.r;
        EXPECT_EQ(bar.Low, 300 / c.divided) << c.r;
        EXPECT_EQ(bar.Volume, 1000 * c.divided) << c.r;
        EXPECT_EQ(bar.BuyBalance, 10 * c.divided) << c.r;
        EXPECT_EQ(bar.SellBalance, 20 * c.divided) << c.r;
    }

    // One point never moves.
    ChartWindowState one;
    one.CorrectionFactors = {1, 2, 0, 0, 0, 0};
    one.CorrectionRecords = {0, 40, 0, 0, 0, 0};
    one.CorrectionRecord = 40;
    one.CorrectionFactor = 2;
    QuoteRecord bar;
    bar.High = 100;
    ApplyCorrection(one, 50, bar);
    EXPECT_EQ(one.CorrectionRecord, 40);
    EXPECT_EQ(bar.High, 100);
    ApplyCorrection(one, 39, bar);
    EXPECT_EQ(bar.High, 50);
}

TEST(PerBarRule, ThePointInForceAtTheFirstShownBar) {
    const struct {
        int first;
        int point;
        float factor;
    } cases[] = {{2, 20, 6}, {19, 20, 6}, {20, 40, 2}, {45, 7, 9}};  // none after 45: the state stays
    for (const auto& c : cases) {
        ChartWindowState f;
        f.CorrectionFactors = {2, 2, 6, 0, 0, 0};
        f.CorrectionRecords = {0, 40, 20, 0, 0, 0};
        f.CorrectionRecord = 7;
        f.CorrectionFactor = 9;
        SetPointInForce(f, c.first);
        EXPECT_EQ(f.CorrectionRecord, c.point) << c.first;
        EXPECT_EQ(f.CorrectionFactor, c.factor) << c.first;
    }
}

}  // namespace
}  // namespace ranvik
