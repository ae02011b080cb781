// The print settings window: the target list built at activation, the probe
// of the printer, message 600, keys, the printer choice, the defaults of a
// new opening and the order in which the chosen windows print.
#include <QCheckBox>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QImage>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "core/child_form.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/label_button.h"
#include "print/form6.h"

namespace ranvik::test {
namespace {

class FakeChart : public ChartWindowBase {
public:
    int kind = 1;
    bool pending = false;
    std::string title;
    std::vector<std::string>* log = nullptr;
    int ChartKindBox() const override { return kind; }
    bool LoadPending() const override { return pending; }
    std::string TitleStrip() const override { return title; }
    void SetCommCheck(int value) override {
        if (log != nullptr && value == 1) {
            log->push_back(std::to_string(WindowNo) + ":" + std::to_string(Program().commands.ChartCommand));
        }
    }
};

class ScriptedChooser : public PrinterChooser {
public:
    explicit ScriptedChooser(std::shared_ptr<Printer> answer) : answer_(std::move(answer)) {}
    std::shared_ptr<Printer> Choose(QWidget*) override { return answer_; }

private:
    std::shared_ptr<Printer> answer_;
};

class Form6Test : public ::testing::Test {
public:
    void SetUp() override {
        ResetProgramState();
        printer = std::make_shared<RecordingPrinter>("ラベルプリンタ");
        Program().print.CurrentPrinter = printer;
        for (int k = 1; k <= 3; ++k) {
            windows[k - 1].WindowNo = static_cast<std::int16_t>(k);
            windows[k - 1].log = &log;
        }
    }
    void TearDown() override {
        delete Form6::Instance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        InstallPrinterChooser(nullptr);
        ResetProgramState();
    }
    void Open(int k, const std::string& title) {
        windows[k - 1].title = title;
        Program().windows.ChartWindow(k) = &windows[k - 1];
    }
    Form6& Form() {
        Form6* f = Form6::ShowPrintSettings();
        f->Form_Activate();
        return *f;
    }

    ScopedRecordingMessages messages;
    std::shared_ptr<RecordingPrinter> printer;
    FakeChart windows[3];
    std::vector<std::string> log;
};

// The rows of a frame drawn as its top and bottom border lines: the first
// and last rows whose pixels near the right edge, right of any caption or
// button, all have one colour that is neither the frame's inside nor the
// window's background above it.
std::pair<int, int> BorderRows(QGroupBox* frame) {
    const QImage image = frame->grab().toImage();
    const QRgb inside = image.pixel(image.width() - 8, image.height() / 2);
    const QRgb outside = image.pixel(image.width() - 8, 0);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb first = image.pixel(image.width() - 12, y);
        bool line = first != inside && first != outside;
        for (int x = image.width() - 12; line && x < image.width() - 4; ++x) line = image.pixel(x, y) == first;
        if (!line) continue;
        if (top < 0) top = y;
        bottom = y;
    }
    return {top, bottom};
}

// Each option button and check box shows its mark within its frame's
// border lines, with a pixel between, not on them.
TEST_F(Form6Test, ButtonsSitInsideTheirFrames) {
    Form6& f = Form();
    for (QGroupBox* frame : {f.Frame5, f.Frame3, f.Frame2, f.Frame4, f.Frame1}) {
        SCOPED_TRACE(frame->title().toStdString());
        const auto [top, bottom] = BorderRows(frame);
        ASSERT_GE(top, 0);
        ASSERT_GT(bottom, top);
        const QList<QAbstractButton*> buttons = frame->findChildren<QAbstractButton*>();
        ASSERT_FALSE(buttons.isEmpty());
        for (QAbstractButton* b : buttons) {
            QStyleOptionButton option;
            option.initFrom(b);
            const bool radio = qobject_cast<QRadioButton*>(b) != nullptr;
            const QRect mark = b->style()->subElementRect(
                radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, b);
            EXPECT_GT(b->geometry().top() + mark.top(), top + 1) << b->objectName().toStdString();
            EXPECT_LT(b->geometry().top() + mark.bottom(), bottom - 1) << b->objectName().toStdString();
        }
    }
}

TEST_F(Form6Test, ActivationOffersEachCandlestickWindow) {
    struct Case {
        const char* name;
        std::string title;
        int kind;
        bool pending;
        bool enabled;
        std::string caption;
        std::string tip;
    };
    const Case cases[] = {
        {"unit part dropped", "極洋(円)", 1, false, true, "極洋", ""},
        {"no parenthesis", "ニッスイ", 1, false, true, "ニッスイ", ""},
        {"parenthesis first", "(株)極洋", 1, false, true, "(株)極洋", ""},
        {"last parenthesis", "A(B)C(D)", 1, false, true, "A(B)C", ""},
        {"long title", "ABCDEFGHIJKLMNOPQRSTUVWXY(100)", 1, false, true, "ABCDEFGHIJKLMNOPQRS",
         "ABCDEFGHIJKLMNOPQRSTUVWXY"},
        {"empty title", "", 1, false, false, "", ""},
        {"title only a unit", "(円)", 1, false, true, "(円)", ""},
        {"other chart kind", "極洋(円)", 0, false, false, "", ""},
        {"load pending", "極洋(円)", 1, true, false, "", ""},
    };
    for (const Case& c : cases) {
        ResetProgramState();
        Program().print.CurrentPrinter = printer;
        Open(2, c.title);
        windows[1].kind = c.kind;
        windows[1].pending = c.pending;
        Form6& f = Form();
        EXPECT_FALSE(f.Check1->isEnabled()) << c.name;
        EXPECT_EQ(f.Check2->isEnabled(), c.enabled) << c.name;
        EXPECT_EQ(f.Check2->isChecked(), c.enabled) << c.name;
        EXPECT_EQ(f.Check2->text().toStdString(), c.caption) << c.name;
        EXPECT_EQ(f.Check2->toolTip().toStdString(), c.tip) << c.name;
        EXPECT_FALSE(f.Check3->isEnabled()) << c.name;
        windows[1].kind = 1;
        windows[1].pending = false;
    }
}

TEST_F(Form6Test, ActivationTicksClearedBoxesAgain) {
    Open(1, "極洋(円)");
    Form6& f = Form();
    f.Check1->setChecked(false);
    f.Form_Activate();
    EXPECT_TRUE(f.Check1->isChecked());
}

TEST_F(Form6Test, ProbeDisablesWhatThePrinterRefuses) {
    printer->refuse = {"PaperSize 11", "PrintQuality -4"};
    Form6& f = Form();
    EXPECT_FALSE(f.A5size->isEnabled());
    EXPECT_FALSE(f.きれい印刷->isEnabled());
    EXPECT_TRUE(f.B5size->isEnabled());
    EXPECT_TRUE(f.ハガキsize->isEnabled());
    EXPECT_TRUE(f.早い印刷->isEnabled());
    EXPECT_TRUE(f.普通印刷->isEnabled());
    EXPECT_EQ(f.Label1->text().toStdString(), "使用するプリンタ ： ");
    EXPECT_EQ(f.Label2->text().toStdString(), "ラベルプリンタ ");
    EXPECT_EQ(f.height(), 391);  // 5865 twips
}

TEST_F(Form6Test, NoTargetShowsMessage600AndStays) {
    Form6& f = Form();
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FALSE(f.TargetBox(k)->isEnabled());
        EXPECT_FALSE(f.TargetBox(k)->isChecked());
        EXPECT_TRUE(f.TargetBox(k)->text().isEmpty());
    }
    f.印刷実行_Click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "600, 印刷対象を指定して下さい    ");
    EXPECT_EQ(messages->shown[0].title, "印刷設定");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Form6::Instance(), &f);
    EXPECT_EQ(BackColorOf(f.Label3), RGB(192, 192, 192));
    EXPECT_TRUE(log.empty());
}

TEST_F(Form6Test, PrintsChosenWindowsInOrderThenUnloads) {
    Open(1, "A(円)");
    Open(2, "B(円)");
    Open(3, "C(円)");
    Form6& f = Form();
    f.Check2->setChecked(false);
    f.印刷実行_Click();
    EXPECT_EQ(log, (std::vector<std::string>{"1:200", "3:200"}));
    EXPECT_EQ(Form6::Instance(), nullptr);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Form6Test, KeysEAndXWithoutModifiers) {
    Open(3, "C(円)");
    Form6& f = Form();
    EXPECT_TRUE(f.Text2_KeyPress(13));
    EXPECT_FALSE(f.Text2_KeyPress('e'));
    f.Text2_KeyUp(69, 1);  // Shift held
    f.Text2_KeyUp(88, 2);  // Ctrl held
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(Form6::Instance(), &f);
    f.Text2_KeyUp(69, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"3:200"}));
    EXPECT_EQ(Form6::Instance(), nullptr);
    Form6& g = Form();
    g.Text2_KeyUp(88, 0);
    EXPECT_EQ(Form6::Instance(), nullptr);
}

TEST_F(Form6Test, ReopeningStartsFromTheDesignDefaults) {
    Form6& f = Form();
    f.ハガキsize->setChecked(true);
    f.縦印刷->setChecked(true);
    f.早い印刷->setChecked(true);
    f.モノクロ印刷->setChecked(true);
    EXPECT_EQ(CodesOf(PrintSettingsInForce()), (PrintCodes{43, 1, 1, -1}));
    f.印刷取消_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form6& g = Form();
    EXPECT_TRUE(g.A4size->isChecked());
    EXPECT_TRUE(g.横印刷->isChecked());
    EXPECT_TRUE(g.普通印刷->isChecked());
    EXPECT_TRUE(g.カラー印刷->isChecked());
    EXPECT_EQ(CodesOf(PrintSettingsInForce()), (PrintCodes{9, 2, 2, -3}));
}

TEST_F(Form6Test, PrinterChoiceOrCancel) {
    Form6& f = Form();
    InstallPrinterChooser(std::make_unique<ScriptedChooser>(nullptr));
    f.Label2_Click();
    EXPECT_EQ(f.Label2->text().toStdString(), "ラベルプリンタ ");
    EXPECT_EQ(Program().print.CurrentPrinter, printer);
    auto other = std::make_shared<RecordingPrinter>("Office");
    other->refuse = {"PaperSize 13"};
    InstallPrinterChooser(std::make_unique<ScriptedChooser>(other));
    f.Label2_Click();
    EXPECT_EQ(f.Label2->text().toStdString(), "Office ");
    EXPECT_EQ(Program().print.CurrentPrinter, other);
    EXPECT_FALSE(f.B5size->isEnabled());
    EXPECT_EQ(BackColorOf(f.Label2), RGB(220, 220, 220));
}

TEST_F(Form6Test, PressedPrintButtonComesBack) {
    Form6& f = Form();
    const QRect normal = f.印刷実行->geometry();
    for (int i = 0; i < 2; ++i) {
        f.印刷実行->ShowPressed();
        f.印刷実行_MouseDown();
        EXPECT_EQ(BackColorOf(f.Label3), RGB(160, 160, 160));
        f.印刷実行->ShowReleased();
        f.印刷実行_MouseUp();
        f.印刷実行_Click();
    }
    EXPECT_EQ(f.印刷実行->geometry(), normal);
    EXPECT_EQ(messages->shown.size(), 2u);
}

}  // namespace
}  // namespace ranvik::test
