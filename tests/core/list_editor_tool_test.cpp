// The tools menu's list editor item: one editor started, raised while it
// runs, started again once it has ended; a missing editor reported.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/window_management.h"
#include "tests/core/main_window_fixture.h"
#include "tests/support/started_programs.h"

namespace ranvik {
namespace {

constexpr const char* k055 = "055, Tameloプログラムが見つかりません";

class ListEditorTool : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteUrlList();
        Start();
    }
    void TearDown() override {
        tasks.Add(Program().app.ListEditorTaskId);
        MainWindowTest::TearDown();
    }
    TaskId Chosen() {
        form->Item("mnuSelToolItem", 7).Choose();
        tasks.Add(Program().app.ListEditorTaskId);
        return Program().app.ListEditorTaskId;
    }
    test::StartedTasks tasks;
};

TEST_F(ListEditorTool, StartsOnceRaisesTheRunningOneAndStartsAgainAfterItEnded) {
    test::PlaceWaitingProgram(dir.File("tamelo"));
    const TaskId first = Chosen();
    ASSERT_GT(first, 0);
    EXPECT_TRUE(BringTaskToFront(first));

    // Chosen again while it runs: the same editor, none started beside it.
    EXPECT_EQ(Chosen(), first);
    EXPECT_EQ(Chosen(), first);

    tasks.End(first);
    const TaskId second = Chosen();
    ASSERT_GT(second, 0);
    EXPECT_NE(second, first);
    EXPECT_TRUE(BringTaskToFront(second));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(ListEditorTool, AMissingEditorIsReportedAndForgottenUntilItIsBack) {
    const TaskId before = Chosen();
    EXPECT_EQ(before, 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, k055);
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages->shown[0].buttons, MessageButtons::Ok);

    // Back in its place, the next choice starts it.
    test::PlaceWaitingProgram(dir.File("tamelo"));
    const TaskId started = Chosen();
    EXPECT_GT(started, 0);
    EXPECT_EQ(messages->shown.size(), 1u);

    // Ended and then taken away: the raise fails, the start fails, 055, and
    // the ended editor's id is not kept.
    tasks.End(started);
    std::filesystem::remove(dir.File("tamelo"));
    EXPECT_EQ(Chosen(), 0);
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_EQ(messages->shown[1].text, k055);
}

TEST_F(ListEditorTool, AFileThatIsNoProgramIsReportedAsMissing) {
    test::WriteBytes(dir.File("tamelo"), "not a program\n");
    std::filesystem::permissions(dir.File("tamelo"), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(Chosen(), 0);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{k055});
}

}  // namespace
}  // namespace ranvik
