// The print job: the settings' codes and order, PrintingNow and file number
// 1 on every path, the dropped page of a refused setting or an unusable page.
#include "tests/print/print_fixture.h"

namespace ranvik::test {
namespace {

TEST(PrintCodes, EachOptionGivesItsCode) {
    struct Case {
        const char* name;
        void (*set)(PrintOptions&);
        PrintCodes codes;
    };
    const Case cases[] = {
        {"design defaults", [](PrintOptions&) {}, {9, 2, 2, -3}},
        {"portrait", [](PrintOptions& o) { o.landscape = false, o.portrait = true; }, {9, 1, 2, -3}},
        {"B5", [](PrintOptions& o) { o.A4size = false, o.B5size = true; }, {13, 2, 2, -3}},
        {"A5", [](PrintOptions& o) { o.A4size = false, o.A5size = true; }, {11, 2, 2, -3}},
        {"postcard", [](PrintOptions& o) { o.A4size = false, o.postcardSize = true; }, {43, 2, 2, -3}},
        {"fine", [](PrintOptions& o) { o.normal = false, o.fine = true; }, {9, 2, 2, -4}},
        {"fast", [](PrintOptions& o) { o.normal = false, o.fast = true; }, {9, 2, 2, -1}},
        {"monochrome", [](PrintOptions& o) { o.colour = false, o.monochrome = true; }, {9, 2, 1, -3}},
    };
    for (const Case& c : cases) {
        PrintOptions o;
        c.set(o);
        EXPECT_EQ(CodesOf(o), c.codes) << c.name;
    }
}

TEST_F(PrintTest, SettingsInOrderThenOnePage) {
    Show(DataFileBuilder(60));
    PrintOptions o;
    o.A4size = false, o.B5size = true, o.monochrome = true, o.colour = false;
    EXPECT_EQ(Print(o), PrintOutcome::Printed);
    EXPECT_EQ(w.recording.settings,
              (std::vector<std::string>{"PaperSize 13", "Orientation 2", "ColorMode 1", "PrintQuality -3"}));
    EXPECT_EQ(w.recording.endDocs, 1);
    EXPECT_EQ(w.recording.killDocs, 0);
    EXPECT_EQ(w.fields.PrintingNow, 0);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_FALSE(Texts().empty());
}

TEST_F(PrintTest, OtherChartKindsPrintNothing) {
    Show(DataFileBuilder(60));
    w.ShowKind(2);
    EXPECT_EQ(Print(), PrintOutcome::NotCandlestick);
    EXPECT_TRUE(w.recording.settings.empty());
    EXPECT_EQ(w.recording.endDocs, 0);
}

// Whatever stops a page, nothing is sent, the user is told which stock and
// why, and the window is ready for the next command.
TEST_F(PrintTest, FailuresDropThePageAndSaySo) {
    struct Case {
        const char* name;
        void (*spoil)(PrintTest&);
        const char* cause;
    };
    const Case cases[] = {
        {"refused paper", [](PrintTest& t) { t.w.recording.refuse.insert("PaperSize 9"); }, "用紙サイズ A4"},
        {"refused orientation", [](PrintTest& t) { t.w.recording.refuse.insert("Orientation 2"); }, "横印刷"},
        {"refused colour", [](PrintTest& t) { t.w.recording.refuse.insert("ColorMode 2"); }, "ｶﾗｰ印刷"},
        {"refused quality", [](PrintTest& t) { t.w.recording.refuse.insert("PrintQuality -3"); }, "印刷品質"},
        {"grid step 0", [](PrintTest& t) { t.w.fields.PriceGridStep = 0; }, "目盛幅"},
        {"flat price range", [](PrintTest& t) { t.w.fields.PriceBottom = t.w.fields.PriceTop; }, "目盛"},
        {"data file gone", [](PrintTest& t) { t.w.fields.DataFileName = t.dir.File("none.KDT"); }, "読めません"},
        {"monthly file missing",
         [](PrintTest& t) {
             t.w.checks[8] = 1;
             t.w.fields.MonthlyFileName = "gone.tmp";
         },
         "月足"},
        {"page not sent", [](PrintTest& t) { t.w.recording.refuse.insert("EndDoc"); }, "送れません"},
    };
    for (const Case& c : cases) {
        SetUp();
        messages->shown.clear();
        w.recording.refuse.clear();
        w.recording.endDocs = w.recording.killDocs = 0;
        w.checks[8] = 0;
        Show(DataFileBuilder(60));
        c.spoil(*this);
        EXPECT_EQ(Print(), PrintOutcome::Refused) << c.name;
        EXPECT_EQ(w.fields.PrintingNow, 0) << c.name;
        ASSERT_EQ(messages->shown.size(), 1u) << c.name;
        const ShownMessage& m = messages->shown[0];
        EXPECT_EQ(m.title, "印刷設定");
        EXPECT_EQ(m.icon, MessageIcon::Exclamation);
        EXPECT_NE(m.text.find("極洋"), std::string::npos) << m.text;
        EXPECT_NE(m.text.find(c.cause), std::string::npos) << c.name << ": " << m.text;
        const bool sentAndFailed = std::string(c.name) == "page not sent";
        EXPECT_EQ(w.recording.endDocs, sentAndFailed ? 1 : 0) << c.name;
        // The data file is closed again: it can be removed at once.
        EXPECT_TRUE(std::remove(w.fields.DataFileName.c_str()) == 0 || std::string(c.name) == "data file gone")
            << c.name;
    }
}

}  // namespace
}  // namespace ranvik::test
