// Typing into the parameter boxes of the main window: the key filter, Enter
// in the quick bar sending the active chart window its command, the
// collection date boxes' check, and the extended panel's scroll bar.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <array>

#include "core/box_date.h"
#include "core/window_management.h"
#include "platform/ui/control_colors.h"
#include "tests/core/main_window_fixture.h"
#include "tests/core/recording_windows.h"

namespace ranvik {
namespace {

// A chart window that records the commands it is sent, with the kind boxes
// the main window reads.
class CommandChartWindow : public ChartWindowBase {
public:
    explicit CommandChartWindow(std::vector<int>& codes) : codes_(codes) {
        CommCheck.OnClick = [this] {
            if (CommCheck.Value() != 1) return;
            codes_.push_back(Program().commands.ChartCommand);
            CommCheck.SetValue(0);
        };
    }
    void Form_Load() override { WindowNo = Program().windows.NewWindowNo; }
    void Form_Unload() override {
        auto& slot = Program().windows.ChartWindow(WindowNo);
        if (slot == this) slot = nullptr;
    }
    HiddenCheckBox* CheckBox(int number) override {
        return number >= 1 && number <= 12 ? &checks_[static_cast<std::size_t>(number)] : nullptr;
    }
    HiddenCheckBox* CommandBox() override { return &CommCheck; }
    // Switches to one kind: its box 1, the other kind boxes 0.
    void ShowKind(int box) {
        for (int k : {1, 2, 3, 4, 10, 11, 12}) checks_[static_cast<std::size_t>(k)].SetValue(k == box ? 1 : 0);
    }

    HiddenCheckBox CommCheck;

private:
    std::vector<int>& codes_;
    std::array<HiddenCheckBox, 13> checks_;
};

// A collection panel with the two date boxes.
class DateBoxPanel : public test::RecordingCollectionPanel {
public:
    explicit DateBoxPanel(QWidget* parent) : RecordingCollectionPanel(parent) {
        Text15 = new QLineEdit(this);
        Text15->setObjectName("Text15");
        Text16 = new QLineEdit(this);
        Text16->setObjectName("Text16");
    }
    bool IsDateBox(const QObject* box) const override { return box == Text15 || box == Text16; }

    QLineEdit* Text15;
    QLineEdit* Text16;
};

// A window of another kind that opens inside the main window.
class OtherChild : public ChildForm {};

class QuickParams : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteUrlList();
        Makers().chartWindow = [this] { return new CommandChartWindow(codes); };
        Makers().collectionPanel = [](QWidget* parent) { return new DateBoxPanel(parent); };
    }
    CommandChartWindow& Chart() {
        auto* w = dynamic_cast<CommandChartWindow*>(form->ActiveChild());
        EXPECT_NE(w, nullptr);
        return *w;
    }
    QLineEdit* Box(int no) { return form->QuickBoxes.at(no); }
    DateBoxPanel& Panel() { return *static_cast<DateBoxPanel*>(form->CollectionPanel()); }
    // Enter released in a box holding `text`.
    void Enter(QLineEdit* box, const QString& text) {
        box->setText(text);
        form->QuickBox_KeyUp(box, 13, 0);
    }

    std::vector<int> codes;
};

TEST_F(QuickParams, TheKeyFilterPassesDigitsPointsWhereFractionsGoAndEditingKeysAndBeepsAtTheRest) {
    MDIForm1& main = Start();
    const struct {
        int box, key, shift;
        bool beeps;
    } cases[] = {
        {2, 48, 0, false},  {2, 57, 0, false},  {2, 49, 1, true},    // a shifted digit is a sign
        {3, 53, 2, true},   {4, 96, 0, false},  {4, 105, 1, false},  // keypad digits with any shift
        {6, 100, 4, false}, {4, 47, 0, true},   {4, 58, 0, true},    // just outside the digits
        {2, 190, 0, true},  {3, 110, 0, true},  {4, 190, 0, true},   // no fraction in these boxes
        {10, 190, 0, true}, {17, 110, 0, true}, {18, 190, 0, true},
        {5, 190, 0, false}, {6, 190, 0, false}, {8, 190, 0, false},  // the boxes that take fractions
        {5, 110, 0, false}, {8, 110, 0, false}, {8, 188, 0, true},   // a comma is no point
        {11, 46, 0, false}, {11, 37, 0, false}, {12, 8, 0, false},   // editing keys
        {12, 39, 0, false}, {17, 16, 1, false}, {18, 38, 0, true},   // but not Up
        {18, 40, 0, true},  {2, 65, 0, true},   {2, 189, 0, true},   // Down, a letter, a minus
        {3, 32, 0, true},   {3, 9, 0, true},    {8, 0, 0, true},     // blank, tab, a key without a code
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Text" << c.box << " key " << c.key << " shift " << c.shift);
        QLineEdit* box = main.QuickBoxes.at(c.box);
        box->setText("1a");
        const int beeps = messages->beeps;
        main.QuickBox_KeyUp(box, c.key, c.shift);
        EXPECT_EQ(messages->beeps - beeps, c.beeps ? 1 : 0);
        EXPECT_EQ(main.QuickParamBox, box);
        EXPECT_EQ(box->text().toStdString(), "1a") << "the filter only warns";
    }
    EXPECT_TRUE(codes.empty());
}

TEST_F(QuickParams, RealKeysReachTheFilterAndEnterIsSwallowedByTheListedBoxesOnly) {
    MDIForm1& main = Start();
    QLineEdit* text4 = Box(4);
    int beeps = messages->beeps;
    QTest::keyClick(text4, Qt::Key_A);
    EXPECT_EQ(messages->beeps, beeps + 1);
    EXPECT_EQ(text4->text().toStdString(), "a") << "the character stays";
    QTest::keyClick(text4, Qt::Key_7);
    QTest::keyClick(text4, Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(text4, Qt::Key_Backspace);
    EXPECT_EQ(messages->beeps, beeps + 1);
    QTest::keyClick(text4, Qt::Key_Period);
    EXPECT_EQ(messages->beeps, beeps + 2);
    QTest::keyClick(Box(5), Qt::Key_Period);
    QTest::keyClick(Box(8), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(messages->beeps, beeps + 2);
    QTest::keyClick(Box(2), Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_EQ(messages->beeps, beeps + 3);
    EXPECT_EQ(main.QuickParamBox, Box(2));

    // Enter: the quick-bar boxes and Text20-Text25, Text32-Text35 keep it
    // from the box; the other panel boxes have no filter.  The panel's
    // boxes take keys once the panel is shown.
    main.HideParam->show();
    std::vector<QLineEdit*> swallowing;
    for (const auto& [no, box] : main.QuickBoxes) swallowing.push_back(box);
    for (int no : {20, 21, 22, 23, 24, 25, 32, 33, 34, 35}) swallowing.push_back(main.PanelBox(no));
    for (QLineEdit* box : swallowing) {
        QSignalSpy returned(box, &QLineEdit::returnPressed);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(returned.count(), 0) << box->objectName().toStdString();
    }
    for (int no : {26, 31, 36, 80}) {
        QSignalSpy returned(main.PanelBox(no), &QLineEdit::returnPressed);
        QTest::keyClick(main.PanelBox(no), Qt::Key_Return);
        EXPECT_EQ(returned.count(), 1) << no;
    }
    // A panel box's keys do not make it the quick bar's box.
    main.QuickParamBox = Box(2);
    QTest::keyClick(main.PanelBox(20), Qt::Key_A);
    EXPECT_EQ(main.QuickParamBox, Box(2));
    // Enter from the keyboard sends the command.
    codes.clear();
    text4->setText("9");
    QTest::keyClick(text4, Qt::Key_Return);
    EXPECT_EQ(codes, std::vector<int>{52});
}

TEST_F(QuickParams, EnterSendsTheCommandOfTheBoxOr51UnderTheComparisonAndTheReverseWatch) {
    Start();
    const int boxes[] = {2, 3, 4, 5, 6, 8, 10, 11, 12, 17, 18};
    const struct {
        int kindBox;
        std::vector<int> codes;
    } kinds[] = {
        {1, {51, 51, 52, 52, 53, 54, 55, 55, 55, 57, 57}},   // candlestick
        {4, {51, 51, 52, 52, 53, 54, 55, 55, 55, 57, 57}},   // point and figure
        {10, {51, 51, 52, 52, 53, 54, 55, 55, 55, 57, 57}},  // year-by-year comparison
        {2, {51, 51, 51, 51, 51, 51, 51, 51, 51, 51, 51}},   // stock comparison
        {3, {51, 51, 51, 51, 51, 51, 51, 51, 51, 51, 51}},   // reverse watch
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.kindBox);
        Chart().ShowKind(kind.kindBox);
        codes.clear();
        for (int no : boxes) Enter(Box(no), no == 8 ? "0.05" : "12");
        EXPECT_EQ(codes, kind.codes);
    }
    // Under the comparison the parabolic box is not checked for its range.
    codes.clear();
    Enter(Box(8), "5");
    EXPECT_EQ(codes, std::vector<int>{51});
    // An empty box is sent like any other.
    Chart().ShowKind(1);
    codes.clear();
    Enter(Box(3), "");
    EXPECT_EQ(codes, std::vector<int>{51});
    EXPECT_EQ(messages->beeps, 0);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(QuickParams, TheParabolicStartIsSentFrom002To02InSinglePrecisionOnly) {
    Start();
    Chart().ShowKind(1);
    const struct {
        const char* text;
        bool sent;
    } cases[] = {
        {"0.02", true},   {"0.2", true},     {"0.1", true},    {".02", true},   {"0.2x", true},  // leading number
        {"0.019", false}, {"0.01", false},   {"0.21", false},  {"0.201", false},
        {"", false},      {"abc", false},    {"-0.1", false},  {"2", false},
        {"0.0199999999", true},  // the same single-precision number as 0.02
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        codes.clear();
        const int beeps = messages->beeps;
        Enter(Box(8), c.text);
        EXPECT_EQ(codes, c.sent ? std::vector<int>{54} : std::vector<int>{});
        EXPECT_EQ(messages->beeps - beeps, c.sent ? 0 : 1);
        EXPECT_EQ(Box(8)->text().toStdString(), c.text) << "the text stays";
    }
}

TEST_F(QuickParams, EnterNormalisesFullWidthTextBeforeItIsSent) {
    Start();
    Chart().ShowKind(1);
    Enter(Box(4), "　１２３ ");
    EXPECT_EQ(Box(4)->text().toStdString(), "123");
    EXPECT_EQ(codes, std::vector<int>{52});
    Enter(Box(8), "０．０５");
    EXPECT_EQ(Box(8)->text().toStdString(), "0.05");
    EXPECT_EQ(codes, (std::vector<int>{52, 54}));
    Chart().ShowKind(2);
    Enter(Box(4), "１５");
    EXPECT_EQ(Box(4)->text().toStdString(), "15");
    EXPECT_EQ(codes, (std::vector<int>{52, 54, 51}));
}

TEST_F(QuickParams, EnterOnlyNormalisesWhileNoChartWindowIsInFront) {
    MDIForm1& main = Start();
    Chart().ShowKind(1);
    // The data maintenance or company window names itself in the caption.
    for (const char* caption : {"Ranvikチャート株価データ保守", "Ranvikチャート 極洋--- 業績情報"}) {
        SCOPED_TRACE(caption);
        main.setWindowTitle(caption);
        for (int no : {2, 4, 8, 10}) {
            Enter(Box(no), no == 8 ? "９" : "２０");
            EXPECT_EQ(Box(no)->text().toStdString(), no == 8 ? "9" : "20");
        }
        EXPECT_TRUE(codes.empty());
        EXPECT_EQ(messages->beeps, 0);
    }
    main.setWindowTitle("Ranvikチャート");

    // Another window in front.
    auto* other = new OtherChild;
    main.ShowChild(other);
    ASSERT_EQ(main.ActiveChild(), other);
    Enter(Box(2), "１");
    EXPECT_EQ(Box(2)->text().toStdString(), "1");
    other->Frame()->close();

    // No window at all.
    for (QMdiSubWindow* frame : main.MdiArea()->subWindowList()) frame->close();
    ASSERT_EQ(main.ActiveChild(), nullptr);
    for (int no : {2, 3, 4, 5, 6, 8, 10, 11, 12, 17, 18}) {
        Enter(Box(no), " ３ ");
        EXPECT_EQ(Box(no)->text().toStdString(), "3") << no;
    }
    EXPECT_TRUE(codes.empty());
    EXPECT_EQ(messages->beeps, 0);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(QuickParams, EnterInACollectionDateBoxTakesOnlyAFullYearMonthDayDate) {
    MDIForm1& main = Start();
    Chart().ShowKind(1);
    const struct {
        const char* typed;
        const char* shown;
        bool refused;
    } cases[] = {
        {"2024/05/02", "2024/05/02", false},
        {" ２０２４/０５/０２ ", "2024/05/02", false},  // narrowed and trimmed first
        {"2024/02/29", "2024/02/29", false},
        {"2024/5/2", "2024/5/2", true},  // a date, but not written in full
        {"2026/02/30", "2026/02/30", true},
        {"2024/13/01", "2024/13/01", true},
        {"2024-05-02", "2024-05-02", true},
        {"2024/05/0x", "2024/05/0x", true},
        {"yyyy/mm/dd", "yyyy/mm/dd", true},
        {"", "", true},
    };
    for (QLineEdit* box : {Panel().Text15, Panel().Text16}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(box->objectName().toStdString() + " " + c.typed);
            SetForeColor(box, QBColor(0));
            box->setText(c.typed);
            main.QuickParamBox = box;
            const int beeps = messages->beeps;
            main.ApplyQuickParameter(13, 0);
            EXPECT_EQ(box->text().toStdString(), c.shown);
            EXPECT_EQ(ForeColorOf(box), c.refused ? QBColor(12) : QBColor(0));
            EXPECT_EQ(messages->beeps - beeps, c.refused ? 1 : 0);
        }
    }
    // Other keys in a date box neither beep nor send.
    main.ApplyQuickParameter(65, 0);
    EXPECT_TRUE(codes.empty());
    EXPECT_TRUE(messages->shown.empty());
}

TEST(StrictBoxDate, OnlyTenCharactersOfARealDayPass) {
    const struct {
        const char* text;
        bool passes;
    } cases[] = {
        {"2024/05/20", true}, {"2000/02/29", true},  {"1900/02/29", false}, {"2026/02/30", false},
        {"2024/5/20", false}, {"2024/05/20 ", false}, {"0000/01/01", false}, {"2024/00/10", false},
        {"2024/04/31", false}, {"+024/05/20", false}, {"2024/05/-1", false}, {"２０２４/05/20", false},
    };
    for (const auto& c : cases) EXPECT_EQ(StrictBoxDate(c.text).has_value(), c.passes) << c.text;
    const auto date = StrictBoxDate("2024/12/31");
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->year, 2024);
    EXPECT_EQ(date->month, 12);
    EXPECT_EQ(date->day, 31);
}

TEST_F(QuickParams, TheScrollBarMovesThePanelContentAndHandsTheKeysBack) {
    MDIForm1& main = Start();
    main.show();
    main.HideParam->show();
    main.resize(1024, 500);
    main.MDIForm_Resize();
    ASSERT_GT(main.VScroll1->maximum(), 40);
    // Dragging the box moves the content with it.
    main.VScroll1->setSliderDown(true);
    main.VScroll1->setSliderPosition(40);
    main.VScroll1->setSliderDown(false);
    EXPECT_EQ(main.Picture13->y(), -40);
    main.VScroll1->setValue(0);
    EXPECT_EQ(main.Picture13->y(), 0);

    // A key on the scroll bar hands the keyboard back to the strip.
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.PanelBox(20)->setFocus();
    ASSERT_TRUE(main.PanelBox(20)->hasFocus());
    QTest::keyClick(main.VScroll1, Qt::Key_Down);
    EXPECT_TRUE(main.Picture1->hasFocus());
}

}  // namespace
}  // namespace ranvik
