// The background colour of a chart window: the colour menu and the toolbar
// go through the command channel, which marks the colour's item and colours
// the window and its five panes; a new window takes the saved colour the
// same way without disturbing the channel's last code.
#include <gtest/gtest.h>

#include "core/program_state.h"
#include "core/window_management.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/control_colors.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik::test {
namespace {

const Color kColours[7] = {RGB(240, 255, 240), RGB(50, 50, 50),    RGB(230, 230, 250), RGB(255, 255, 255),
                           RGB(175, 238, 238), RGB(255, 255, 224), RGB(245, 222, 179)};

class BackgroundColour : public ChartWindowTest {
protected:
    // The colour number the window shows, after checking that the window,
    // its panes and its menu agree on it.
    static int Shown(Form3& w) {
        const int no = w.Fields().BackColorNo;
        EXPECT_GE(no, 1);
        EXPECT_LE(no, 7);
        if (no < 1 || no > 7) return no;
        const Color colour = kColours[no - 1];
        EXPECT_EQ(BackColorOf(&w), colour);
        for (ScreenSurface* pane : {w.Picture1, w.Picture3, w.Picture5, w.Picture8, w.Picture11}) {
            EXPECT_EQ(pane->BackColor(), colour) << pane->objectName().toStdString();
        }
        for (int item = 0; item < 7; ++item) EXPECT_EQ(w.Item("mnuColorItem", item).Checked(), item == no - 1) << item;
        EXPECT_EQ(w.CommCheck.Value(), 0);
        return no;
    }
    static void Send(Form3& w, int code) {
        Program().commands.ChartCommand = static_cast<std::int16_t>(code);
        w.CommCheck.SetValue(1);
    }
};

TEST_F(BackgroundColour, MenuItemsSendCommand199) {
    Start();
    Form3& w = *Window(1);
    for (int index : {3, 0, 6, 1, 5, 2, 4}) {
        SCOPED_TRACE(index);
        Program().commands.ChartCommand = 0;
        w.Item("mnuColorItem", index).Choose();
        EXPECT_EQ(Program().commands.ChartCommand, 199);
        EXPECT_EQ(Program().commands.BackColorIndex, index);
        EXPECT_EQ(Shown(w), index + 1);
    }
}

TEST_F(BackgroundColour, Command99CyclesThroughAllSeven) {
    Start();
    Form3& w = *Window(1);
    w.mnuColorItem_Click(6);
    for (int expected : {1, 2, 3, 4, 5, 6, 7, 1}) {
        Send(w, 99);
        EXPECT_EQ(Shown(w), expected);
        EXPECT_EQ(Program().commands.BackColorIndex, expected - 1);
    }
}

// Command 199 per index, and an index no colour has (a damaged settings
// value reaching the program-wide index) giving the first colour.
TEST_F(BackgroundColour, Command199PerIndex) {
    Start();
    Form3& w = *Window(1);
    const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 1}, {-1, 1}};
    for (const auto& [index, colour] : cases) {
        SCOPED_TRACE(index);
        w.mnuColorItem_Click(3);
        Program().commands.BackColorIndex = static_cast<std::int16_t>(index);
        Send(w, 199);
        EXPECT_EQ(Shown(w), colour);
        EXPECT_EQ(Program().commands.BackColorIndex, colour - 1);
    }
}

TEST_F(BackgroundColour, APrintingWindowKeepsItsColour) {
    Start();
    Form3& w = *Window(1);
    w.mnuColorItem_Click(2);
    F(1).PrintingNow = kTrue;
    w.mnuColorItem_Click(5);
    Send(w, 99);
    F(1).PrintingNow = 0;
    EXPECT_EQ(Shown(w), 3);
}

// The saved colour reaches every new window through its colour command;
// the code a sender stored last is still there afterwards.
TEST_F(BackgroundColour, NewWindowsTakeTheSavedColour) {
    WriteLines(dir.File("Ranvikchart.ini"), {"Version=4.4.5", "mnuColorItem='2.6  '"});
    Program().commands.ChartCommand = 57;
    Start();
    EXPECT_EQ(Shown(*Window(1)), 4);
    EXPECT_EQ(Program().commands.ChartCommand, 57);
    Window(1)->mnuColorItem_Click(1);
    Program().commands.ChartCommand = 98;
    RunWindowMenu(8);
    ASSERT_NE(Window(2), nullptr);
    // The settings file, not the colour chosen meanwhile, decides.
    EXPECT_EQ(Shown(*Window(2)), 4);
    EXPECT_EQ(Shown(*Window(1)), 2);
    EXPECT_EQ(Program().commands.ChartCommand, 98);
}

TEST_F(BackgroundColour, WithoutSettingsTheFirstColour) {
    Program().commands.ChartCommand = 3;
    Start();
    EXPECT_EQ(Shown(*Window(1)), 1);
    EXPECT_EQ(Program().commands.BackColorIndex, 0);
    EXPECT_EQ(Program().commands.ChartCommand, 3);
}

}  // namespace
}  // namespace ranvik::test
