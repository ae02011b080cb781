#include "platform/ui/qt_texts.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>

#include "platform/ui/menu_items.h"

namespace ranvik {
namespace {

TEST(WindowSystemTexts, MessageBoxButtonsSpeakJapanese) {
    InstallJapaneseWindowSystemTexts(*qApp);
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    const QString yes = box.button(QDialogButtonBox::Yes)->text();
    const QString cancel = box.button(QDialogButtonBox::Cancel)->text();
    EXPECT_TRUE(yes.contains(QString::fromUtf8("はい"))) << yes.toStdString();
    EXPECT_TRUE(cancel.contains(QString::fromUtf8("キャンセル"))) << cancel.toStdString();
}

// The keys beside the menu items read as the menus give them, whatever the
// system translation calls them ("Alt+Backspace", not "Alt+Backspae").
TEST(WindowSystemTexts, ShortcutKeysReadAsTheMenusGiveThem) {
    InstallJapaneseWindowSystemTexts(*qApp);
    for (const char* text : {"Alt+Backspace", "Shift+Del", "Shift+Ins", "Ctrl+A", "F7", "Shift+F5"}) {
        EXPECT_EQ(MenuShortcut(text).toString(QKeySequence::NativeText).toStdString(), text);
    }
    // Other window-system texts keep their translation.
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_TRUE(box.button(QDialogButtonBox::Cancel)->text().contains(QString::fromUtf8("キャンセル")));
}

}  // namespace
}  // namespace ranvik
