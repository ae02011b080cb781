#include "core/url_list.h"

#include <gtest/gtest.h>

#include "core/program_state.h"
#include "platform/runtime/text_file.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

class UrlListTest : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().app.AppDir = folder.Path();
    }
    void TearDown() override { ResetProgramState(); }

    void WriteList(const std::vector<std::string>& lines) const {
        ASSERT_TRUE(WriteTextLines(folder.File("MyURL.txt"), lines));
    }
    AddressBarList Load() const {
        AddressBarList bar;
        LoadUrlList(bar);
        return bar;
    }

    test::TempFolder folder;
};

using Items = std::vector<std::string>;

TEST_F(UrlListTest, FillsTheAddressBarInFileOrderAndShowsTheLastActiveAddress) {
    WriteList({
        "Version=4.4.24",
        "株価データ=http://a.example/quote/1/history",
        "%0001=X1",
        "  株価データ=http://b.example/quote/1/history  ",
        "*株価データ=http://c.example/list",
        "*株価データ=http://kabutan.jp/stock/?code=",
        "*株価データ=",
        "株価データ=",
        "",
        "適当なメモ",
    });
    const AddressBarList bar = Load();
    EXPECT_EQ(bar.items,
              (Items{"http://a.example/quote/1/history", "http://b.example/quote/1/history", "http://c.example/list"}));
    EXPECT_EQ(bar.text, "http://b.example/quote/1/history");
    EXPECT_EQ(Program().app.AdminMode, kFalse);
}

TEST_F(UrlListTest, QuoteSiteAddressIsTheLastOneOfThatSite) {
    WriteList({
        "株価データ=https://finance.yahoo.co.jp/quote/7203.T/history",
        "*株価データ=https://finance.yahoo.co.jp/quote/7203.T/margin",
        "*株価データ=https://www.nikkei.com/nkd/company/history/trust/",
    });
    Load();
    EXPECT_EQ(Program().download.QuoteSiteUrl, "https://finance.yahoo.co.jp/quote/7203.T/margin");

    WriteList({"株価データ=https://www.nikkei.com/nkd/company/history/dprice/"});
    Load();
    EXPECT_EQ(Program().download.QuoteSiteUrl, "");
}

TEST_F(UrlListTest, ReadsTheInformationLinksWithNarrowOrWideDigits) {
    Program().download.InfoLink2 = "kept";
    WriteList({
        "投資情報0=https://info.example/company/",
        "投資情報１=https://info.example/kessan/",
        "投資情報2",  // too short to be a link line
    });
    Load();
    EXPECT_EQ(Program().download.InfoLink0, "https://info.example/company/");
    EXPECT_EQ(Program().download.InfoLink1, "https://info.example/kessan/");
    EXPECT_EQ(Program().download.InfoLink2, "kept");
}

TEST_F(UrlListTest, AdministratorLine) {
    struct Case {
        std::vector<std::string> lines;
        std::int16_t adminMode;
    } cases[] = {
        {{"管理者=KVO"}, kTrue},
        {{"管理者=kvo"}, kTrue},
        {{"  管理者:Kvo  "}, kTrue},  // the separator is not examined
        {{"管理者=KVOX"}, kFalse},
        {{"管理者="}, kFalse},
        {{"株価データ=http://a.example/", "<END>", "管理者=KVO"}, kFalse},
        {{"株価データ=http://a.example/", "ここまで //END", "管理者=kvo"}, kFalse},
    };
    for (const auto& c : cases) {
        WriteList(c.lines);
        Program().app.AdminMode = kTrue;
        Load();
        EXPECT_EQ(Program().app.AdminMode, c.adminMode) << c.lines.back();
    }
}

TEST_F(UrlListTest, ALineCutShortAfterItsMarkerIsSkipped) {
    WriteList({
        "株価データ",
        "*株価データ",
        "管理者",
        "株価データ=http://a.example/",
        "投資情報0=http://info.example/",
        "管理者=KVO",
    });
    const AddressBarList bar = Load();
    EXPECT_EQ(bar.items, Items{"http://a.example/"});
    EXPECT_EQ(bar.text, "http://a.example/");
    EXPECT_EQ(Program().download.InfoLink0, "http://info.example/");
    EXPECT_EQ(Program().app.AdminMode, kTrue);
}

TEST_F(UrlListTest, WithoutTheListNothingIsSet) {
    Program().app.AdminMode = kTrue;
    Program().download.QuoteSiteUrl = "https://finance.yahoo.co.jp/quote/";
    Program().download.InfoLink0 = "kept";
    AddressBarList bar;
    bar.items = {"old"};
    LoadUrlList(bar);
    EXPECT_EQ(bar.items, Items{"old"});
    EXPECT_EQ(Program().app.AdminMode, kFalse);
    EXPECT_EQ(Program().download.QuoteSiteUrl, "");
    EXPECT_EQ(Program().download.InfoLink0, "kept");
}

TEST_F(UrlListTest, ParametersAreTakenFromTheBlockOfTheAddress) {
    WriteList({
        "Version=4.4.24",
        "%0009=BEFORE",
        "株価データ=https://a.example.com/quote/0000.T/history",
        "%0001=X1 note",
        "%0003=X3　全角の注",
        "%0004=V1　x y",
        "%0005 no value",
        "%0005=W5",
        " %0006=INDENTED",
        "株価データ=https://b.example.com/quote/0000.T/history",
        "%0002=Y2",
        "*株価データ=https://c.example.com/list?x=1",
        "%0001=Z1",
        "<END>",
        "*株価データ=https://d.example.com/",
        "%0001=AFTER",
    });
    const std::string a = "https://a.example.com/quote/0000.T/history";
    struct Case {
        std::string address;
        const char* code;
        const char* value;
    } cases[] = {
        {a, "0001", "X1"},
        {a, "0003", "X3"},    // ideographic blank when there is no narrow one
        {a, "0004", "V1　x"},  // a narrow blank counts first
        {a, "0005", "W5"},     // a line without "=" is passed over
        {a, "0006", ""},       // block lines are not trimmed
        {a, "0002", ""},       // belongs to the next address
        {a, "0009", ""},       // before any address
        {"https://a.example.com/quotZZZ", "0001", "X1"},  // only 26 characters count
        {"https://b.example.com/quote", "0002", "Y2"},
        {"https://c.example.com/list", "0001", "Z1"},
        {"https://d.example.com/", "0001", ""},  // after the end marker
        {"https://e.example.com/", "0001", ""},
        {"", "0001", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetUrlParameter(folder.Path(), c.address, c.code), c.value) << c.address << " " << c.code;
}

TEST_F(UrlListTest, AnAddressLineOrEndMarkerClosesTheBlock) {
    WriteList({
        "株価データ=https://a.example.com/quote/",
        "*株価データ=https://a.example.com/quote/margin",
        "%0001=MARGIN",
        "株価データ=https://b.example.com/quote/",
        "x<END>x",
        "%0001=B1",
    });
    // The first agreeing block decides, even when it is empty.
    EXPECT_EQ(GetUrlParameter(folder.Path(), "https://a.example.com/quote/margin", "0001"), "");
    EXPECT_EQ(GetUrlParameter(folder.Path(), "https://b.example.com/quote/", "0001"), "");
}

TEST_F(UrlListTest, ParameterOfAMissingListIsEmpty) {
    EXPECT_EQ(GetUrlParameter(folder.Path(), "https://a.example.com/", "0001"), "");
}

}  // namespace
}  // namespace ranvik
