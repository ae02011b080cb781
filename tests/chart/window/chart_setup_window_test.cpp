// The chart set-up in a chart window of the running program: the main
// window's caption and tab, the split-correction item of the window's menu,
// the corrected copy picked again and removed with the window.
#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>

#include "chart/drawing/chart_setup.h"
#include "tests/chart/drawing/data_file_builder.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::ChartWindowTest;
using test::RecordingForm3;

class ChartSetupInTheWindow : public ChartWindowTest {
protected:
    void WriteWithPoints(const std::string& name, std::initializer_list<int> points) {
        test::DataFileBuilder file(200);
        for (int r : points) file.Point(r, "2 ");
        file.HeaderPoint(*std::max_element(points.begin(), points.end()), "2 ");
        file.Write(dir.File(name));
        form->FillDataFileList(dir.Path());
    }
};

TEST_F(ChartSetupInTheWindow, TheItemsTheSetUpReads) {
    Start();
    RecordingForm3& w = *Window(1);
    const struct {
        const char* array;
        const char* caption;
        const char* shortcut;
        bool enabled;
    } items[] = {
        {"mnuHosei", "チャート補正有効(&Y)", "Ctrl+F9", false},
        {"mnuChart上下", "為替チャートの上下を逆転(&Z)", "Ctrl+Z", false},
        {"mnu一目", "一目均衡表(&H)", "Ctrl+H", true},
    };
    for (const auto& item : items) {
        const MenuItem i = w.Item(item.array, 1);
        ASSERT_TRUE(i.Exists()) << item.array;
        EXPECT_EQ(i.Caption(), item.caption) << item.array;
        EXPECT_EQ(i.Shortcut(), item.shortcut) << item.array;
        EXPECT_EQ(i.Enabled(), item.enabled) << item.array;
        EXPECT_FALSE(i.Checked()) << item.array;
    }
}

TEST_F(ChartSetupInTheWindow, AStockDrawnNamesItselfInTheMainWindow) {
    Start();
    RequestFile("6501d.KDT", "d");
    const ChartWindowState& f = F();
    EXPECT_EQ(form->windowTitle().toStdString(), Program().app.AppTitle + f.StockTitle);
    EXPECT_EQ(form->WindowTab(1)->toolTip().toStdString(), f.StockTitle);
    EXPECT_EQ(form->WindowTab(1)->text().toStdString(), WindowTabText(f.StockTitle));
    EXPECT_EQ(Program().windows.ActiveWindowNo, 1);
    EXPECT_FALSE(Window(1)->Item("mnuHosei", 1).Enabled());
}

TEST_F(ChartSetupInTheWindow, OnePointLightsTheCorrectionItem) {
    Start();
    WriteWithPoints("8001d.KDT", {150});
    RequestFile("8001d.KDT", "d");
    RecordingForm3& w = *Window(1);
    EXPECT_TRUE(w.Item("mnuHosei", 1).Enabled());
    EXPECT_TRUE(w.Item("mnuHosei", 1).Checked());
    EXPECT_EQ(F().DataFileName, dir.File("8001d.KDT"));
}

// Two points: the window draws from its copy; the file picked again keeps
// the copy on screen; the closed window leaves no copy behind.
TEST_F(ChartSetupInTheWindow, TheCorrectedCopyLivesWithTheWindow) {
    Start();
    WriteWithPoints("8001d.KDT", {100, 150});
    RequestFile("8001d.KDT", "d");
    const std::string copy = dir.File("Hosei1d.KDT");
    EXPECT_EQ(F().DataFileName, copy);
    EXPECT_EQ(F().CorrectedSourceName, "8001d.KDT");
    EXPECT_FALSE(Window(1)->Item("mnuHosei", 1).Enabled());
    ASSERT_TRUE(std::filesystem::exists(copy));

    RequestFile("6501d.KDT", "s");
    RequestFile("8001d.KDT", "s");
    EXPECT_EQ(F().DataFileName, copy);
    EXPECT_EQ(F().ChartShown, 1);

    Window(1)->mnuMadoClose_Click();
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_TRUE(std::filesystem::exists(dir.File("8001d.KDT")));
}

}  // namespace
}  // namespace ranvik
