#include "platform/ui/qt_texts.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>

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

}  // namespace
}  // namespace ranvik
