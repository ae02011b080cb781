#include "platform/runtime/message_service.h"

#include <gtest/gtest.h>

namespace ranvik {
namespace {

TEST(MessageService, RecordsWhatWasShownAndAnswersFromTheQueue) {
    ScopedRecordingMessages messages;
    messages->QueueAnswer(MessageAnswer::No);
    EXPECT_EQ(ShowMessage("201, 削除しますか？  ", "株価データ保守", MessageIcon::Exclamation, MessageButtons::YesNo),
              MessageAnswer::No);
    // Without a queued answer a question gets its first button.
    EXPECT_EQ(ShowMessage("q", "t", MessageIcon::Exclamation, MessageButtons::YesNoCancel), MessageAnswer::Yes);
    EXPECT_EQ(ShowMessage("910. ", "t", MessageIcon::Information), MessageAnswer::Ok);
    Beep();
    ASSERT_EQ(messages->shown.size(), 3u);
    EXPECT_EQ(messages->shown[0].text, "201, 削除しますか？  ");  // trailing blanks kept
    EXPECT_EQ(messages->shown[0].title, "株価データ保守");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages->shown[2].icon, MessageIcon::Information);
    EXPECT_EQ(messages->beeps, 1);
}

TEST(MessageService, AScopedRecorderPutsThePreviousServiceBack) {
    ScopedRecordingMessages outer;
    {
        ScopedRecordingMessages inner;
        ShowMessage("inner", "t");
        EXPECT_EQ(inner->shown.size(), 1u);
    }
    ShowMessage("outer", "t");
    ASSERT_EQ(outer->shown.size(), 1u);
    EXPECT_EQ(outer->shown[0].text, "outer");
}

}  // namespace
}  // namespace ranvik
