// The bars and panels of the main window: toolbar strip, quick parameter bar, address bar, extended parameter panel, collection panel.
#include "core/main_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/settings_file.h"
#include "core/shared_menu_items.h"
#include "core/toolbar.h"
#include "core/child_form.h"
#include "core/window_management.h"
#include "core/main_window_internal.h"

namespace ranvik {

using namespace main_window_internal;

namespace {

// The row a box stands in inside its frame: "日", "週" or "月" by the period
// letter that stands before the number ending its key; "" for a key without.
std::string_view RowCaption(std::string_view key) {
    if (key.size() < 3 || key.back() != '=') return "";
    std::size_t end = key.size() - 1;
    if (key[end - 1] < '0' || key[end - 1] > '9') return "";
    while (end > 0 && key[end - 1] >= '0' && key[end - 1] <= '9') --end;
    if (end == 0) return "";
    switch (key[end - 1]) {
        case 'D': return "日";
        case 'W': return "週";
        case 'M': return "月";
        default: return "";
    }
}

}  // namespace

int main_window_internal::BoxNumber(std::string_view box) { return std::atoi(std::string(box.substr(4)).c_str()); }

std::vector<PanelFrameDef> main_window_internal::PanelFrames() {
    std::vector<PanelFrameDef> frames;
    for (const SettingKey& key : PanelSettingKeys()) {
        if (frames.empty() || frames.back().caption != key.frame) frames.push_back({key.frame, {}});
        frames.back().boxes.push_back({BoxNumber(key.box), key.designValue, RowCaption(key.key)});
    }
    frames.push_back({"ﾊﾟﾗﾎﾞﾘｯｸ", {{70, "0.02", "始AF"}}});
    return frames;
}

void MDIForm1::BuildToolbarStrip() {
    Picture1 = new QFrame(centralWidget());
    Picture1->setObjectName("Picture1");
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setFixedHeight(TwipsToPixels(kStripHeight));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->installEventFilter(this);
    // The buttons leave the keyboard focus with the strip.
    Toolbar1 = new Toolbar(Picture1);
    Toolbar1->move(0, 0);
    Toolbar1->setFixedHeight(TwipsToPixels(kStripHeight) - 2);
    Toolbar1->adjustSize();
    Toolbar1->ButtonClick = [this](const std::string& key) { Toolbar1_ButtonClick(key); };
    Toolbar1->ButtonMenuClick = [this](const std::string& text, int index) { Toolbar1_ButtonMenuClick(text, index); };
}

void MDIForm1::BuildQuickBar() {
    Picture3 = new QuickBar(centralWidget());
    Picture3->setObjectName("Picture3");
    Picture3->setFixedHeight(TwipsToPixels(kQuickBarHeight));
    Picture3->installEventFilter(this);

    auto box = [this](int textNo, int labelNo, const char* caption, QWidget* parent, int left, int top) {
        auto* label = new QLabel(caption, parent);
        label->setObjectName(QString("Label%1").arg(labelNo));
        MoveTwips(label, left, top, 800, 210);
        // Empty until a chart window fills it: the designer's placeholder
        // text is no value.
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QString("Text%1").arg(textNo));
        MoveTwips(edit, left, top + 225, 500, 285);
        QuickBoxes[textNo] = edit;
        QuickLabels[labelNo] = label;
    };
    const struct {
        int text, label;
        const char* caption;
    } boxes[] = {{2, 6, "出来平均"}, {3, 7, ""},          {4, 8, ""},         {5, 9, ""},
                 {6, 10, ""},        {8, 12, "ﾊﾟﾗﾎﾞﾘｯｸ"}, {18, 24, "線形回帰"}, {17, 23, "逆ｳｫｯﾁ"}};
    int left = 120;
    for (const auto& b : boxes) {
        box(b.text, b.label, b.caption, Picture3, left, 60);
        left += 900;
    }
    // The MACD group: its caption stands left of its three boxes, the bar
    // being too low for a caption above them.
    auto* frame2 = new QGroupBox(Picture3);
    frame2->setObjectName("Frame2");
    MoveTwips(frame2, left, 15, 2700, 600);
    Frame2 = frame2;
    auto* macd = new QLabel("MACD", frame2);
    macd->setObjectName("Frame2Caption");
    MoveTwips(macd, 60, 210, 540, 240);
    Frame2Caption = macd;
    box(10, 16, "短", frame2, 600, 30);
    box(11, 17, "長", frame2, 1260, 30);
    box(12, 18, "ｼｸﾞﾅﾙ", frame2, 1920, 30);
    // The unit labels of the MACD boxes, right of each box; the chart
    // windows write their captions.
    for (int i = 0; i < 3; ++i) {
        auto* unit = new QLabel(frame2);
        unit->setObjectName(QString("Label%1").arg(19 + i));
        MoveTwips(unit, 600 + 660 * i + 505, 285, 150, 240);
        QuickLabels[19 + i] = unit;
    }
    for (auto& [no, label] : QuickLabels) {
        QFont f = label->font();
        f.setPointSize(8);
        label->setFont(f);
    }
}

void MDIForm1::BuildAddressBar() {
    Picture4 = new QFrame(centralWidget());
    Picture4->setObjectName("Picture4");
    Picture4->setFrameShape(QFrame::StyledPanel);
    Picture4->setFixedHeight(TwipsToPixels(kAddressBarHeight));
    auto* caption = new QLabel(Picture4);
    caption->setObjectName("Picture4Caption");
    MoveTwips(caption, 350, 50, 700, 300);
    Combo2 = new QComboBox(Picture4);
    Combo2->setObjectName("Combo2");
    Combo2->setEditable(true);
    MoveTwips(Combo2, 1100, 45, 8000, 315);
    // Every change of the text, typed or set (the start-up's too), and
    // every pick from the list classifies the address again.
    connect(Combo2, &QComboBox::editTextChanged, this, [this] { Combo2_Change(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    Picture4->hide();
}

void MDIForm1::Combo2_Click() {
    if (Makers().addressBarChanged) Makers().addressBarChanged(S(Combo2->currentText()), CollectUrl);
}

void MDIForm1::Combo2_Change() { Combo2_Click(); }

void MDIForm1::ShowInAddressBar(const std::string& text) {
    Combo2->setEditText(Q(text));
}

namespace {

// The extended panel holds over a third of the window's controls and is
// hidden most of the time.  While hidden it is disabled on its own, so that
// the window's disabling and enabling around every page download (each
// stock of a collection) passes its controls by; shown, it follows the
// window again.  No one reaches a hidden control, so nothing the user sees
// or does changes.
class EnabledWhileShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            static_cast<QWidget*>(watched)->setEnabled(event->type() == QEvent::ShowToParent);
        return false;
    }
};

}  // namespace

void MDIForm1::BuildParameterPanel() {
    HideParam = new QFrame(centralWidget());
    HideParam->installEventFilter(new EnabledWhileShown(HideParam));
    HideParam->setObjectName("HideParam");
    HideParam->setFrameShape(QFrame::StyledPanel);
    HideParam->setFixedWidth(TwipsToPixels(kScrollWidth + 3000));

    Picture14 = new QWidget(HideParam);
    Picture14->setObjectName("Picture14");
    MoveTwips(Picture14, kViewportLeft, kViewportTop, kContentWidth, 4000);
    VScroll1 = new QScrollBar(Qt::Vertical, HideParam);
    VScroll1->setObjectName("VScroll1");
    MoveTwips(VScroll1, kViewportLeft + kContentWidth, kViewportTop, kScrollWidth, 4000);
    VScroll1->setSingleStep(TwipsToPixels(300));
    VScroll1->setPageStep(TwipsToPixels(1500));
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int) { VScroll1_Change(); });
    connect(VScroll1, &QScrollBar::sliderMoved, this, [this](int) { VScroll1_Scroll(); });

    Image2 = new LabelButton("×", HideParam);
    Image2->SetAutoPressLook(false);
    Image2->setObjectName("Image2");
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setFrameShape(QFrame::Panel);
    Image2->setFrameShadow(QFrame::Raised);
    Image2->setToolTip("閉じる");
    MoveTwips(Image2, kScrollWidth + 3000 - kScrollWidth - 150, 45, 240, 240);
    connect(Image2, &LabelButton::MouseDown, this, [this](int, int, double, double) { Image2_MouseDown(); });
    connect(Image2, &LabelButton::MouseUp, this, [this](int, int, double, double) { Image2_MouseUp(); });

    Picture13 = new QWidget(Picture14);
    Picture13->setObjectName("Picture13");
    Label35 = new QLabel("ﾊﾟﾗﾒﾀの設定", Picture13);
    Label35->setObjectName("Label35");
    MoveTwips(Label35, 60, 30, 2000, 270);
    QFont bold = Label35->font();
    bold.setBold(true);
    Label35->setFont(bold);

    QFont small = font();
    small.setPointSize(8);
    int top = 360;
    for (const PanelFrameDef& frameDef : PanelFrames()) {
        // One row per period (日, 週, 月), boxes left to right.
        std::vector<std::pair<std::string_view, std::vector<const PanelBoxDef*>>> rows;
        for (const PanelBoxDef& b : frameDef.boxes) {
            if (rows.empty() || rows.back().first != b.row) rows.push_back({b.row, {}});
            rows.back().second.push_back(&b);
        }
        auto* frame = new QGroupBox(Q(frameDef.caption), Picture13);
        frame->setFont(small);
        const int height = 240 + static_cast<int>(rows.size()) * 330 + 60;
        MoveTwips(frame, 60, top, kContentWidth - 120, height);
        int rowTop = 240;
        for (const auto& [caption, boxes] : rows) {
            auto* label = new QLabel(Q(caption), frame);
            MoveTwips(label, 90, rowTop + 30, 420, 240);
            int left = 540;
            for (const PanelBoxDef* b : boxes) {
                auto* edit = new QLineEdit(Q(b->design), frame);
                edit->setObjectName(QString("Text%1").arg(b->textNo));
                MoveTwips(edit, left, rowTop, 600, 285);
                panelBoxes_[b->textNo] = edit;
                left += 690;
            }
            rowTop += 330;
        }
        top += height + 45;
    }
    復元ini = new QPushButton("パラメタをリセット", Picture13);
    復元ini->setObjectName("復元ini");
    connect(復元ini, &QPushButton::clicked, this, [this] { 復元ini_Click(); });
    MoveTwips(復元ini, 300, top + 60, 2200, 360);
    MoveTwips(Picture13, 0, 0, kContentWidth, top + 540);
    HideParam->hide();
}

void MDIForm1::BuildCollectionPanel() {
    if (Makers().collectionPanel) Picture11 = Makers().collectionPanel(centralWidget());
    if (Picture11 == nullptr) Picture11 = new QFrame(centralWidget());
    Picture11->setObjectName("Picture11");
    Picture11->hide();
}

// ---------------------------------------------------------------- extended panel

void MDIForm1::VScroll1_Change() {
    Picture13->move(Picture13->x(), -VScroll1->value());
    FocusToolbarStrip();
}

void MDIForm1::Image2_MouseDown() {
    image2Left_ = LeftOf(Image2);
    image2Top_ = TopOf(Image2);
    MoveTwips(Image2, image2Left_ + 10, image2Top_ + 10, WidthOf(Image2) - 20, HeightOf(Image2) - 20);
}

void MDIForm1::Image2_MouseUp() {
    MoveTwips(Image2, LeftOf(Image2) - 10, TopOf(Image2) - 10, WidthOf(Image2) + 20, HeightOf(Image2) + 20);
    HideParam->hide();
    SetFileMenuChecked(1, false);
}

void MDIForm1::復元ini_Click() {
    MainWindowSettings target(*this);
    RestoreSettingsFromBackup(0, target);
}

}  // namespace ranvik
