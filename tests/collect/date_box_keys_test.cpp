// The collection panel's date boxes at the keyboard: every released key makes
// the box the main window's QuickParamBox, Enter checks the date there and is
// kept from the box itself.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "platform/ui/control_colors.h"
#include "tests/collect/collection_fixture.h"

namespace ranvik {
namespace {

class DateBoxKeys : public test::CollectionTest {};

TEST_F(DateBoxKeys, EnterChecksTheDateAndOtherKeysOnlyMarkTheBox) {
    StartAt("/yahoo/quote/9999.T/history?");
    for (QLineEdit* box : {panel->Text15, panel->Text16}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setEnabled(true);
        box->clear();
        QTest::keyClicks(box, "x");
        EXPECT_EQ(form->QuickParamBox, box);
        EXPECT_EQ(box->text().toStdString(), "x") << "no filter on the date boxes' other keys";
        EXPECT_EQ(messages->beeps, 0);

        QSignalSpy returned(box, &QLineEdit::returnPressed);
        const struct {
            const char* text;
            bool refused;
        } cases[] = {{"2026/02/30", true}, {"2024/2/3", true}, {"2024/02/03", false}, {"2024年2月3日", true}};
        int expectedBeeps = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            SetForeColor(box, QBColor(0));
            box->setText(QString::fromUtf8(c.text));
            QTest::keyClick(box, Qt::Key_Return);
            if (c.refused) ++expectedBeeps;
            EXPECT_EQ(ForeColorOf(box), c.refused ? QBColor(12) : QBColor(0));
            EXPECT_EQ(messages->beeps, expectedBeeps);
        }
        EXPECT_EQ(returned.count(), 0);
        messages->beeps = 0;
    }
    EXPECT_TRUE(messages->shown.empty());
}

}  // namespace
}  // namespace ranvik
