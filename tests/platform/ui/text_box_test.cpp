#include "platform/ui/text_box.h"

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "platform/runtime/message_service.h"

namespace ranvik {
namespace {

TEST(TextBox, KeysComeAsKeyDownKeyPressAndKeyUp) {
    ScopedRecordingMessages messages;
    TextBox box;
    std::vector<std::string> events;
    QObject::connect(&box, &TextBox::KeyDown, [&](int key, int shift) {
        events.push_back("down " + std::to_string(key) + " " + std::to_string(shift));
    });
    QObject::connect(&box, &TextBox::KeyPress, [&](int& ascii) { events.push_back("press " + std::to_string(ascii)); });
    QObject::connect(&box, &TextBox::KeyUp, [&](int key, int) { events.push_back("up " + std::to_string(key)); });
    QTest::keyClicks(&box, "5a");
    EXPECT_EQ(events, (std::vector<std::string>{"down 53 0", "press 53", "up 53", "down 65 0", "press 97", "up 65"}));
    EXPECT_EQ(box.text(), "5a");
    EXPECT_EQ(box.SelStart(), 2);
    box.SetSelStart(1);
    EXPECT_EQ(box.SelStart(), 1);
}

TEST(TextBox, ASwallowedCharacterIsNotTakenAndAnEnterNotSwallowedBeeps) {
    ScopedRecordingMessages messages;
    TextBox box;
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(messages->beeps, 1) << "a one-line box beeps at Enter";

    QObject::connect(&box, &TextBox::KeyPress, [](int& ascii) {
        if (ascii == 13 || ascii == 'x') ascii = 0;
    });
    int ups = 0;
    QObject::connect(&box, &TextBox::KeyUp, [&](int key, int) { ups += key == 13 ? 1 : 0; });
    QTest::keyClicks(&box, "axb");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.text(), "ab");
    EXPECT_EQ(messages->beeps, 1);
    EXPECT_EQ(ups, 1) << "the release still comes";
}

}  // namespace
}  // namespace ranvik
