#include "core/startup_checks.h"

#include <gtest/gtest.h>

#include "core/program_state.h"
#include "platform/runtime/folder.h"
#include "tests/core/list_table_fixture.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(VersionDigits, RemovesTheFirstTwoDots) {
    EXPECT_EQ(VersionDigits("4.4.16"), "4416");
    EXPECT_EQ(VersionDigits("4.4.100"), "44100");
    EXPECT_EQ(VersionDigits("4416"), "4416");
    EXPECT_EQ(VersionDigits("1.2.3.4"), "123.4");
    EXPECT_EQ(VersionDigits("4.5"), "45");
    EXPECT_EQ(VersionDigits(""), "");
}

TEST(ParseVersion, ReadsEachPartAsANumber) {
    const struct {
        const char* text;
        std::optional<VersionNumber> version;
    } cases[] = {
        {"4.4.24", VersionNumber{4, 4, 24}},
        {" 4.4.100 ", VersionNumber{4, 4, 100}},
        {"4.5", VersionNumber{4, 5, 0}},
        {"5", VersionNumber{5, 0, 0}},
        {"4.4.16a", VersionNumber{4, 4, 16}},
        {"1.2.3.4", VersionNumber{1, 2, 3}},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"v4.4.24", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseVersion(c.text), c.version) << c.text;
}

// Versions are compared part by part, so a higher revision with more digits,
// or a higher minor version with fewer, never counts as older.
TEST(ParseVersion, ComparesPartByPart) {
    EXPECT_LT(*ParseVersion("4.4.9"), *ParseVersion("4.4.16"));
    EXPECT_GT(*ParseVersion("4.4.100"), *ParseVersion("4.4.16"));
    EXPECT_GT(*ParseVersion("4.5.0"), kProgramVersion);
    EXPECT_LT(*ParseVersion("4.4.16"), kProgramVersion);
}

TEST(SettingsVersion, OnlyTheExactVersionNeedsNoRestore) {
    EXPECT_FALSE(SettingsNeedRestore("4.4.5"));
    EXPECT_TRUE(SettingsNeedRestore("4.4.4"));
    EXPECT_TRUE(SettingsNeedRestore(""));
    EXPECT_TRUE(SettingsNeedRestore("4.4.50"));
}

TEST(UrlListPurge, KeepsListsThatAreNotOlderThanTheNeededVersion) {
    const struct {
        const char* content;
        bool deleted;
        const char* digits;
    } cases[] = {
        {"Version=4.4.16\r\n株価データ=http://a/\r\n", false, "4416"},
        {"Version=4.4.100\r\n", false, "44100"},
        {"Version=4.5.0\r\n", false, "450"},
        {"  Version=4.5\r\n", false, "45"},
        {"Version=4.4.9\r\n", true, "449"},
        {"Version=\r\n", true, ""},
        {"株価データ=http://a/\r\nVersion=4.4.24\r\n", true, ""},
        {"", true, ""},
        {"Version=abc\r\n", true, "abc"},
    };
    for (const auto& c : cases) {
        test::TempFolder dir;
        test::WriteBytes(dir.File("MyURL.txt"), ToAnsi(c.content));
        const UrlListCheck check = PurgeOutdatedUrlList(dir.Path());
        EXPECT_TRUE(check.existed);
        EXPECT_EQ(check.deleted, c.deleted) << c.content;
        EXPECT_EQ(FileExists(dir.File("MyURL.txt")), !c.deleted) << c.content;
        EXPECT_EQ(check.version, c.digits) << c.content;
    }
}

TEST(UrlListPurge, AMissingListIsReportedAsMissing) {
    test::TempFolder dir;
    const UrlListCheck check = PurgeOutdatedUrlList(dir.Path());
    EXPECT_FALSE(check.existed);
    EXPECT_FALSE(check.deleted);
}

TEST(ListTablePurge, DeletesTablesOlderThanTheProgramOrWithoutVersion) {
    test::TempFolder dir;
    const struct {
        const char* name;
        const char* version;
        bool kept;
    } tables[] = {
        {"a4416.eTBL", "4.4.16", false}, {"b4424.eTBL", "4.4.24", true}, {"c450.eTBL", "4.5.0", true},
        {"d4430.eTBL", "4.4.30", true},  {"e.eTBL", "", false},          {"f44.eTBL", "4.4", false},
        {"g5.eTBL", "5", true},          {"東証プライムリスト.eTBL", "4.4.24", true},
    };
    for (const auto& t : tables) test::WriteListTable(dir.File(t.name), t.version);
    test::WriteBytes(dir.File("short.eTBL"), "\x02\x00");
    test::WriteBytes(dir.File("keep.txt"), "x");

    const auto deleted = PurgeOutdatedListTables(dir.Path(), false);
    for (const auto& t : tables) EXPECT_EQ(FileExists(dir.File(t.name)), t.kept) << t.name;
    EXPECT_FALSE(FileExists(dir.File("short.eTBL")));
    EXPECT_TRUE(FileExists(dir.File("keep.txt")));
    EXPECT_EQ(deleted, (std::vector<std::string>{"a4416.eTBL", "e.eTBL", "f44.eTBL", "short.eTBL"}));
}

TEST(ListTablePurge, DeletesNothingInAdministratorMode) {
    test::TempFolder dir;
    test::WriteListTable(dir.File("a.eTBL"), "4.4.16");
    test::WriteListTable(dir.File("b.eTBL"), "");
    EXPECT_TRUE(PurgeOutdatedListTables(dir.Path(), true).empty());
    EXPECT_TRUE(FileExists(dir.File("a.eTBL")));
    EXPECT_TRUE(FileExists(dir.File("b.eTBL")));
}

TEST(ListTablePurge, ReadsTheVersionFromTheHeaderName) {
    test::TempFolder dir;
    test::WriteListTable(dir.File("t.eTBL"), "4.4.24");
    EXPECT_EQ(ReadListTableVersion(dir.File("t.eTBL")), "4.4.24");
    EXPECT_EQ(ReadListTableVersion(dir.File("missing.eTBL")), std::nullopt);
}

TEST(CalendarTables, HoldTheMonthsInElementsOneToTwelve) {
    ResetProgramState();
    FillCalendarTables();
    const auto& c = Program().calendar;
    const std::array<int, 14> days{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
    const std::array<int, 14> before{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 0};
    EXPECT_EQ(c.MonthDays, days);
    EXPECT_EQ(c.DaysBeforeMonth, before);
}

}  // namespace
}  // namespace ranvik
