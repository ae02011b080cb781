// The chart window's controls, its background colours, and what the drawing routines use of it.
#include "chart/window/form3.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

#include "chart/drawing/chart_file.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "core/quick_bar.h"
#include "platform/runtime/values.h"
#include "platform/surface/printer.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

const Color kHoneydew = RGB(240, 255, 240);
const Color kTitleBlue = RGB(0, 120, 255);

// Background colours 1 to 7 by index 0 to 6.
const Color kBackgrounds[7] = {RGB(240, 255, 240), RGB(50, 50, 50),    RGB(230, 230, 250), RGB(255, 255, 255),
                               RGB(175, 238, 238), RGB(255, 255, 224), RGB(245, 222, 179)};

// The bar read-out panel's captions along its top edge: label, caption,
// left (twips).
struct ReadOutCaption {
    int label;
    const char* caption;
    int left;
};
constexpr ReadOutCaption kReadOutCaptions[] = {
    {2, "年/月/日", 0},  {3, "始値", 900},      {4, "終値", 1940},     {5, "高値", 3010},     {6, "安値", 4070},
    {7, "前日比", 5000}, {8, "出来高", 6100},   {9, "信用売残", 7280}, {11, "信用買残", 8350}, {13, "信用倍率", 9450},
};

ScreenSurface* NewPane(QWidget* parent, const char* name) {
    auto* pane = new ScreenSurface(parent);
    pane->setObjectName(name);
    pane->SetBackColor(kHoneydew);
    return pane;
}

QLabel* NewLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

MDIForm1* Main() { return Program().windows.MainForm; }

}  // namespace

int ColourIndexOf(const std::string& value) {
    if (value.empty() || !IsNumeric(value)) return 0;
    const double index = RoundHalfEven(Val(value));
    return index < 0 || index > 6 ? 0 : static_cast<int>(index);
}

Form3::Form3(QWidget* parent) : ChartWindowBase(parent) {
    setObjectName("Form3");
    setMinimumSize(TwipsToPixels(3000), TwipsToPixels(2400));
    BuildControls();
    BuildMenus();
    ConnectKindBoxes();
    BuildPageDownload();
}

Form3::~Form3() = default;

void Form3::BuildControls() {
    Label1 = NewLabel(this, "Label1");
    SetForeColor(Label1, kTitleBlue);
    MoveTwips(Label1, 60, 10, 3000, 255);
    Label20 = NewLabel(this, "Label20");
    MoveTwips(Label20, 3070, 10, 4000, 255);
    Label10 = NewLabel(this, "Label10");
    MoveTwips(Label10, 7100, 10, 3000, 255);
    Label10->hide();
    Label21 = NewLabel(this, "Label21");
    MoveTwips(Label21, 10100, 10, 3000, 255);
    Label21->hide();
    Label12 = NewLabel(this, "Label12");
    Label12->hide();

    // The read-out panel sits where the price pane starts; the price pane
    // moves below it while it is shown.
    Picture11 = NewPane(this, "Picture11");
    MoveTwips(Picture11, 30, 265, 10500, 420);
    for (const ReadOutCaption& c : kReadOutCaptions) {
        QLabel* label = NewLabel(Picture11, ("Label" + std::to_string(c.label)).c_str());
        label->setText(QString::fromUtf8(c.caption));
        MoveTwips(label, c.left, 0, 900, 160);
        labels_[c.label] = label;
    }
    Picture11->hide();

    Picture1 = NewPane(this, "Picture1");
    MoveTwips(Picture1, 30, 265, 9000, 4000);
    Picture3 = NewPane(this, "Picture3");
    MoveTwips(Picture3, 30, 4275, 9000, ChartWindowState::kIndicatorPaneStart);
    Picture5 = NewPane(this, "Picture5");
    MoveTwips(Picture5, 9030, 265, 1050, 4000);
    Picture5->hide();
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    MoveTwips(HScroll1, 30, 5615, 9050, 255);
    HScroll1->setRange(14, 14);
    HScroll1->setSingleStep(14);
    HScroll1->setPageStep(365);

    // Inside the price pane, placed in its scale.
    Label14 = NewLabel(Picture1, "Label14");
    SetForeColor(Label14, RGB(255, 0, 255));
    Label14->hide();
    Picture4 = NewPane(Picture1, "Picture4");
    Picture4->setToolTip("拡大/縮小できます");
    MoveTwips(Picture4, 0, 0, 2085, 1215);
    Picture4->hide();
    Picture10 = NewPane(Picture1, "Picture10");
    MoveTwips(Picture10, 0, 0, 2700, 150);
    Picture10->hide();

    Frame1 = new QGroupBox("拡大<--------------->縮小", Picture1);
    Frame1->setObjectName("Frame1");
    MoveTwips(Frame1, 0, 0, 2770, 765);
    Slider1 = new QSlider(Qt::Horizontal, Frame1);
    Slider1->setObjectName("Slider1");
    MoveTwips(Slider1, 30, 240, 2700, 480);
    Slider1->setRange(150, 2000);
    Slider1->setValue(ChartWindowState::kSliderStart);
    Slider1->setSingleStep(7);
    Slider1->setPageStep(49);
    Slider1->setTickInterval(50);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Frame1->hide();

    Frame3 = new QGroupBox("描画年選択", Picture1);
    Frame3->setObjectName("Frame3");
    MoveTwips(Frame3, 0, 0, 2021, 735);
    Combo1 = new QComboBox(Frame3);
    Combo1->setObjectName("Combo1");
    MoveTwips(Combo1, 120, 280, 765, 300);
    Command1 = new QPushButton("画面 ﾘｾｯﾄ", Frame3);
    Command1->setObjectName("Command1");
    MoveTwips(Command1, 960, 220, 1000, 375);
    Frame3->hide();

    // The explanation balloon: a legend box and a text label inside the
    // price pane, shown while a button is held on it.
    Picture8 = NewPane(Picture1, "Picture8");
    MoveTwips(Picture8, 0, 0, 2400, 885);
    Picture8->hide();
    Label16 = NewLabel(Picture1, "Label16");
    Label16->hide();

    for (QLabel* label : {Label1, Label10, Label12, Label14, Label16, Label20, Label21}) {
        labels_[label->objectName().mid(5).toInt()] = label;
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    // A new window is a candlestick window; the boxes' handlers are
    // connected once the menus they set exist.
    Check1.SetValue(1);
    CommCheck.OnClick = [this] { CommCheck_Click(); };
    Activate10.OnClick = [this] { Activate10_Click(); };
    Picture4->installEventFilter(this);
    Picture5->installEventFilter(this);
    BuildIndicatorPaneControls();
    BuildPanelControls();
    InstallMouseMoves();

    // Every change of the value, by the arrows, the track, dragging or code.
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(Slider1, &QSlider::valueChanged, this, [this] { Slider1_Scroll(); });
    connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

HiddenCheckBox* Form3::CheckBox(int number) {
    return const_cast<HiddenCheckBox*>(static_cast<const Form3*>(this)->CheckBox(number));
}

const HiddenCheckBox* Form3::CheckBox(int number) const {
    switch (number) {
        case 1: return &Check1;
        case 2: return &Check2;
        case 3: return &Check3;
        case 4: return &Check4;
        case 6: return &Check6;
        case 7: return &Check7;
        case 8: return &Check8;
        case 9: return &Check9;
        case 10: return &Check10;
        case 11: return &Check11;
        case 12: return &Check12;
        default: return nullptr;
    }
}

void Form3::SetBackgroundColour(int index) {
    // The chosen colour is the program's: the next window and the settings
    // file take it from BackColorIndex.
    Program().commands.BackColorIndex = static_cast<std::int16_t>(index);
    fields_.BackColorNo = static_cast<std::int16_t>(index + 1);
    const Color colour = kBackgrounds[index];
    SetBackColor(this, colour);
    for (ScreenSurface* pane : {Picture1, Picture3, Picture5, Picture8, Picture11}) pane->SetBackColor(colour);
    // The drawing routines may draw elsewhere (a test's recording panes).
    PricePane().SetBackColor(colour);
    IndicatorPane().SetBackColor(colour);
}

// ---------------------------------------------------------------- drawing host

Surface& Form3::PricePane() { return *Picture1; }
Surface& Form3::IndicatorPane() { return *Picture3; }
Surface& Form3::YearPane() { return *Picture4; }
Surface& Form3::BandVolumePane() { return *Picture5; }
Surface& Form3::DataPanel() { return *Picture11; }
QScrollBar& Form3::ScrollBar() { return *HScroll1; }

Surface& Form3::QuickBar() {
    if (MDIForm1* main = Main()) return *main->Picture3;
    if (ownQuickBar_ == nullptr) {
        ownQuickBar_ = new ScreenSurface(this);
        ownQuickBar_->hide();
    }
    return *ownQuickBar_;
}

QWidget* Form3::PaneWidget(Pane pane) const {
    switch (pane) {
        case Pane::Price: return Picture1;
        case Pane::Indicator: return Picture3;
        case Pane::YearCandles: return Picture4;
        case Pane::BandVolume: return Picture5;
    }
    return Picture1;
}

int Form3::PaneTop(Pane pane) const { return TopOf(PaneWidget(pane)); }
int Form3::PaneHeight(Pane pane) const { return HeightOf(PaneWidget(pane)); }
bool Form3::PaneVisible(Pane pane) const { return !PaneWidget(pane)->isHidden(); }
void Form3::SetPaneTop(Pane pane, int top) { SetTop(PaneWidget(pane), top); }
void Form3::SetPaneHeight(Pane pane, int height) { SetHeight(PaneWidget(pane), height); }
void Form3::SetPaneVisible(Pane pane, bool visible) { PaneWidget(pane)->setVisible(visible); }
void Form3::SetPaneToolTip(Pane pane, const std::string& text) {
    PaneWidget(pane)->setToolTip(QString::fromStdString(text));
}

void Form3::SetWindowCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

namespace {
QLineEdit* MainBox(int textNo) {
    MDIForm1* main = Main();
    if (main == nullptr) return nullptr;
    const auto it = main->QuickBoxes.find(textNo);
    return it != main->QuickBoxes.end() ? it->second : main->PanelBox(textNo);
}
}  // namespace

std::string Form3::MainBoxText(int textNo) const {
    QLineEdit* box = MainBox(textNo);
    return box != nullptr ? box->text().toStdString() : std::string();
}

void Form3::SetMainBoxText(int textNo, const std::string& text) {
    if (QLineEdit* box = MainBox(textNo)) box->setText(QString::fromStdString(text));
}

void Form3::SetMainBoxEnabled(int textNo, bool enabled) {
    if (QLineEdit* box = MainBox(textNo)) box->setEnabled(enabled);
}

ChartHost::BoxPlace Form3::MainBoxPlace(int textNo) const {
    QLineEdit* box = MainBox(textNo);
    if (box == nullptr) return {};
    return {static_cast<double>(LeftOf(box)), static_cast<double>(TopOf(box)), static_cast<double>(WidthOf(box))};
}

namespace {
QLabel* MainLabel(int labelNo) {
    MDIForm1* main = Main();
    if (main == nullptr) return nullptr;
    const auto it = main->QuickLabels.find(labelNo);
    return it != main->QuickLabels.end() ? it->second : nullptr;
}
}  // namespace

void Form3::SetMainLabel(int labelNo, const std::string& caption, Color color) {
    QLabel* label = MainLabel(labelNo);
    if (label == nullptr) return;
    label->setText(QString::fromStdString(caption));
    SetForeColor(label, color);
}

void Form3::SetMainLabelEnabled(int labelNo, bool enabled) {
    if (QLabel* label = MainLabel(labelNo)) label->setEnabled(enabled);
}

void Form3::SetMainWindowCaption(const std::string& caption) {
    if (MDIForm1* main = Main()) main->setWindowTitle(QString::fromStdString(caption));
}

void Form3::SetWindowTab(int windowNo, const std::string& caption, const std::string& toolTip) {
    MDIForm1* main = Main();
    QLabel* tab = main != nullptr ? main->WindowTab(windowNo) : nullptr;
    if (tab == nullptr) return;
    tab->setText(QString::fromStdString(caption));
    tab->setToolTip(QString::fromStdString(toolTip));
}

int Form3::CheckValue(int box) const {
    const HiddenCheckBox* check = CheckBox(box);
    return check != nullptr ? check->Value() : 0;
}

QLabel& Form3::LabelNo(int number) { return *labels_.at(number); }

std::string Form3::TitleStrip() const { return Label1->text().toStdString(); }

Surface* Form3::PrintPage() {
    if (fields_.PrintingNow == 0) return nullptr;
    const auto& printer = Program().print.CurrentPrinter;
    return printer ? &printer->Page() : nullptr;
}

bool Form3::BlinkRunning() const { return Timer1->isActive(); }

void Form3::StartBlink() { Timer1->start(); }

void Form3::StopBlink() {
    Timer1->stop();
    SetForeColor(Label1, kTitleBlue);
}

void Form3::SetToolbarButtonEnabled(const std::string& key, bool enabled) {
    if (MDIForm1* main = Main()) main->SetToolbarButtonEnabled(key, enabled);
}

void Form3::FocusToolbarStrip() {
    MDIForm1* main = Main();
    if (main != nullptr && main->Picture1->isVisible()) main->Picture1->setFocus();
}

void InstallChartWindowMaker() {
    Makers().chartWindow = [] { return new Form3; };
}

}  // namespace ranvik
