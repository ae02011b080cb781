#include "company/company_pages.h"
#include "company/form7.h"

#include "platform/ui/flex_grid.h"
#include "tests/core/list_table_fixture.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

class Form7RequestTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallCompanyWindowMaker();
        // Every page is there.
        InstallCompanyPageRequest([](const std::string&, const PageStateHandler& state) {
            state(8);
            return PageReply{};
        });
        WriteUrlList();
        test::WriteBytes(dir.File("東証プライムリスト.eTBL"),
                         test::ListEntryBytes(3, "", "4.4.24") + test::ListEntryBytes(0, "1301", "極洋", 't', 1, 100) +
                             test::ListEntryBytes(0, "8058", "三菱商事", 'n', 2, 100));
        test::WriteBytes(dir.File("1301d.KDT"), "");
        Start();
        form->ShowChild(Makers().companyWindow());
        window = static_cast<Form7*>(Program().windows.CompanyInfoWindow);
        ASSERT_EQ(form->ActiveChild(), window);
        // Opened with no stock selected, the window has asked for one.
        ASSERT_EQ(MessageTexts(), std::vector<std::string>{"702, 銘柄を指定して下さい（コード1000以上）    "});
        messages->shown.clear();
    }
    void TearDown() override {
        InstallCompanyPageRequest({});
        MainWindowTest::TearDown();
    }
    void Press(FlexGrid* grid, int row) {
        grid->SetRow(row);
        emit grid->MouseDown(1, 0, 100.0, 300.0);
    }
    Form7* window = nullptr;
};

TEST_F(Form7RequestTest, EachGridGivesTheMarketLabelOfItsOwnRow) {
    Press(form->MSFGrid1, 1);
    EXPECT_EQ(window->Fields().MarketLabel, "<東プ>");
    EXPECT_EQ(Program().selection.ChartLoadMode, "s");
    Press(form->MSF全Grid2, 2);
    EXPECT_EQ(window->Fields().MarketLabel, "<名メ>");
    EXPECT_EQ(window->FG1Text6.Text(), "");
    // Other codes leave the label as it is.
    window->FG1Text6.SetText("1");
    EXPECT_EQ(window->Fields().MarketLabel, "<名メ>");
    EXPECT_EQ(window->FG1Text6.Text(), "");
}

TEST_F(Form7RequestTest, ADoubleClickEndsItsDrawRequest) {
    Press(form->MSF全Grid2, 1);
    emit form->MSF全Grid2->DblClick();
    EXPECT_EQ(Program().selection.ChartLoadMode, "");
    EXPECT_EQ(window->FG1Text6.Text(), "");
    EXPECT_TRUE(messages->shown.empty());
}

}  // namespace
}  // namespace ranvik
