#include "collect/collection_panel.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "collect/collection_requests.h"
#include "collect/quote_sites.h"
#include "core/child_form.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/net/internet_transfer.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/keys.h"
#include "platform/ui/pointers.h"

namespace ranvik {

namespace {

constexpr int kEnter = 13;

QRadioButton* Option(const char* caption, const char* name, QWidget* parent, int left, int top) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    MoveTwips(option, left, top, 1900, 270);
    return option;
}

QLabel* Caption(const char* text, const char* name, QWidget* parent, int left, int top, int width) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    MoveTwips(label, left, top, width, 270);
    return label;
}

// The system button face the buttons return to after their hover look.
void ButtonFace(QPushButton* button) { button->setPalette(QPalette()); }

}  // namespace

CollectionPanel::CollectionPanel(QWidget* parent) : CollectionPanelBase(parent) {
    setObjectName("Picture11");
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(TwipsToPixels(4600));
    setMouseTracking(true);
    installEventFilter(this);

    Label14 = Caption("", "Label14", this, 60, 30, 4200);

    Frame3 = new QGroupBox("操作選択", this);
    Frame3->setObjectName("Frame3");
    MoveTwips(Frame3, 60, 330, 4450, 600);
    Option3 = Option("ﾃﾞｰﾀ追加更新", "Option3", Frame3, 120, 250);
    Option4 = Option("新規銘柄収集", "Option4", Frame3, 2250, 250);
    Option3->setChecked(true);
    connect(Option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });
    connect(Option4, &QRadioButton::clicked, this, [this] { Option4_Click(); });

    Frame5 = new QGroupBox("方法選択", this);
    Frame5->setObjectName("Frame5");
    MoveTwips(Frame5, 60, 990, 4450, 1000);
    Option5 = Option("自動", "Option5", Frame5, 120, 250);
    Option6 = Option("ﾃﾞｰﾀ範囲指定", "Option6", Frame5, 2250, 250);
    Option5->setChecked(true);
    connect(Option5, &QRadioButton::clicked, this, [this] { Option5_Click(); });
    connect(Option6, &QRadioButton::clicked, this, [this] { Option6_Click(); });
    Label13 = Caption("From", "Label13", Frame5, 120, 620, 500);
    Text15 = new QLineEdit("2017/mm/dd", Frame5);
    Text15->setObjectName("Text15");
    MoveTwips(Text15, 620, 590, 1400, 300);
    Label2 = Caption("> To", "Label2", Frame5, 2100, 620, 500);
    Text16 = new QLineEdit("2018/mm/dd", Frame5);
    Text16->setObjectName("Text16");
    MoveTwips(Text16, 2650, 590, 1400, 300);
    Text15->installEventFilter(this);
    Text16->installEventFilter(this);
    SetDateControlsEnabled(false);

    更新作成 = new QPushButton("収集", this);
    更新作成->setObjectName("更新作成");
    MoveTwips(更新作成, 60, 2060, 1500, 360);
    終了 = new QPushButton("閉じる(X)", this);
    終了->setObjectName("終了");
    MoveTwips(終了, 3000, 2060, 1500, 360);
    for (QPushButton* button : {更新作成, 終了}) {
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }

    Image1 = new LabelButton(this);
    Image1->setObjectName("Image1");
    Image1->SetAutoPressLook(false);
    Image1->setText("×");
    Image1->setAlignment(Qt::AlignCenter);
    MoveTwips(Image1, 4330, 20, 200, 200);
    connect(Image1, &LabelButton::MouseDown, this, [this] { Image1_MouseDown(); });
    connect(Image1, &LabelButton::MouseUp, this, [this] { Image1_MouseUp(); });

    Picture12 = new ScreenSurface(this);
    Picture12->setObjectName("Picture12");
    MoveTwips(Picture12, 60, 2480, 4450, 200);
    Picture12->hide();

    Text9 = new QTextEdit(this);
    Text9->setObjectName("Text9");
    Text9->setUndoRedoEnabled(false);  // a status box: each text replaces the last
    MoveTwips(Text9, 60, 2740, 4450, 3000);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    Inet1 = new InternetTransfer(this);
    connect(Inet1, &InternetTransfer::StateChanged, this, [this](int state) { Inet1_StateChanged(state); });
}

CollectionPanel::~CollectionPanel() = default;

// ---------------------------------------------------------------- closing

void CollectionPanel::CloseFromPanel() {
    SetForeColor(Text15, QBColor(0));
    SetForeColor(Text16, QBColor(0));
    hide();
    if (MDIForm1* main = Program().windows.MainForm) {
        SetMousePointer(main->MSFGrid1, 1);
        SetMousePointer(main->MSF全Grid2, 1);
    }
}

void CollectionPanel::終了_MouseUp(int x, int y) {
    if (!(x > 0 && x < WidthOf(終了) && y > 0 && y < HeightOf(終了))) return;
    ButtonFace(終了);
    CloseFromPanel();
}

void CollectionPanel::Image1_MouseDown() {
    MoveTwips(Image1, 4330 + 10, 20 + 20, 200 - 20, 200 - 20);
}

void CollectionPanel::Image1_MouseUp() {
    MoveTwips(Image1, 4330, 20, 200, 200);
    CloseFromPanel();
}

void CollectionPanel::FocusStrip() {
    MDIForm1* main = Program().windows.MainForm;
    if (main != nullptr && main->Picture1->isVisible()) main->Picture1->setFocus();
}

// ---------------------------------------------------------------- options

void CollectionPanel::SetDateControlsEnabled(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(Text15), static_cast<QWidget*>(Text16),
                             static_cast<QWidget*>(Label13), static_cast<QWidget*>(Label2)}) {
        control->setEnabled(enabled);
    }
}

void CollectionPanel::Option3_Click() {
    SetForeColor(Option3, QBColor(12));
    SetForeColor(Option4, QBColor(0));
    Frame5->setEnabled(true);
    Option5->setEnabled(true);
    Option6->setEnabled(true);
    if (Option6->isChecked()) SetDateControlsEnabled(true);
    if (MDIForm1* main = Program().windows.MainForm) {
        // Updating needs a data file: the list grid offers none.
        SetMousePointer(main->MSF全Grid2, 12);
        SetMousePointer(main->MSFGrid1, 1);
    }
    FocusStrip();
}

void CollectionPanel::Option4_Click() {
    SetForeColor(Option3, QBColor(0));
    SetForeColor(Option4, QBColor(12));
    // A new stock is always collected with the automatic range.
    Frame5->setEnabled(false);
    Option5->setEnabled(false);
    Option6->setEnabled(false);
    SetDateControlsEnabled(false);
    if (MDIForm1* main = Program().windows.MainForm) {
        // A new stock is one without a data file: the data-file grid is closed.
        SetMousePointer(main->MSFGrid1, 12);
        SetMousePointer(main->MSF全Grid2, 1);
    }
    FocusStrip();
}

void CollectionPanel::Option5_Click() {
    if (Option5->isChecked()) SetDateControlsEnabled(false);
    FocusStrip();
}

void CollectionPanel::Option6_Click() {
    if (Option6->isChecked()) {
        SetDateControlsEnabled(true);
        Text16->selectAll();
        Text16->setFocus();
    }
    FocusStrip();
}

void CollectionPanel::DateBox_KeyUp(QLineEdit* box, int keyCode) {
    // The main window checks the date as it takes the quick bar's Enter.
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    main->QuickParamBox = box;
    if (keyCode == kEnter) main->ApplyQuickParameter(keyCode, 0);
}

bool CollectionPanel::IsDateBox(const QObject* box) const { return box != nullptr && (box == Text15 || box == Text16); }

// ---------------------------------------------------------------- hover look

void CollectionPanel::更新作成_MouseMove() {
    SetBackColor(更新作成, RGB(255, 255, 255));
    ButtonHover = -1;
}

void CollectionPanel::終了_MouseMove() {
    SetBackColor(終了, RGB(255, 255, 255));
    ButtonHover = -1;
}

void CollectionPanel::Picture11_MouseMove() {
    if (MDIForm1* main = Program().windows.MainForm) SetMousePointer(main->Picture2, 1);
    if (ButtonHover == -1) {
        ButtonFace(更新作成);
        ButtonFace(終了);
        ButtonHover = 0;
    }
}

void CollectionPanel::Picture11_MouseUp() { FocusStrip(); }

// ---------------------------------------------------------------- status display

void CollectionPanel::Timer1_Timer() {
    if (BlinkPhase != 0) {
        SetForeColor(Text9, QBColor(12));
        BlinkPhase = 0;
    } else {
        SetForeColor(Text9, QBColor(15));
        BlinkPhase = 1;
    }
}

void CollectionPanel::Inet1_StateChanged(int state) {
    Program().collection.InetState = static_cast<std::int16_t>(state);
    // Recolouring repolishes the box: only when the blink left it another colour.
    if (ForeColorOf(Text9) != QBColor(0)) SetForeColor(Text9, QBColor(0));
    if (!Timer1->isActive()) return;
    switch (state) {
    case 1: ShowStateText("ネット接続要求中"); break;
    case 3: ShowStateText("ネット接続中"); break;
    case 5: ShowStateText("データ読込み要求中"); break;
    case 7: ShowStateText("データ読込み中"); break;
    case 8:
        ShowStateText("データ読込み完了");
        Picture12->Line(2, 10, ProgressEnd - ProgressEnd / 50, 1.5, QBColor(13), LineKind::FilledBox);
        break;
    case 9:
    case 10: break;
    case 11: ShowStateText("データ読込み失敗"); break;
    default: ShowStateText(QString::number(state)); break;
    }
}

namespace {

// The box's whole text replaced by a state text.  The same text as
// setPlainText, without building the box's document anew and laying out its
// frame twice, which takes longer than a page request from a near server.
// Inside one edit block the cursor works out no position on the screen.
void ReplaceBoxText(QTextEdit* box, const QString& text) {
    QTextDocument* document = box->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.setPosition(document->characterCount() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    cursor.endEditBlock();
}

}  // namespace

void CollectionPanel::ShowStateText(const QString& text) {
    if (!holdStateTexts_) {
        ReplaceBoxText(Text9, text);
        return;
    }
    heldStateText_ = text;
    stateTextHeld_ = true;
    if (stateTextTurnAsked_) return;
    stateTextTurnAsked_ = true;
    QTimer::singleShot(0, this, [this] {
        stateTextTurnAsked_ = false;
        WriteHeldStateText();
    });
}

void CollectionPanel::WriteHeldStateText() {
    if (!stateTextHeld_) return;
    stateTextHeld_ = false;
    ReplaceBoxText(Text9, heldStateText_);
}

void CollectionPanel::HoldStateTexts(bool hold) {
    if (!hold) WriteHeldStateText();
    holdStateTexts_ = hold;
}

// ---------------------------------------------------------------- events

bool CollectionPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease || type == QEvent::MouseMove) {
        auto* e = static_cast<QMouseEvent*>(event);
        const int x = PixelsToTwips(static_cast<int>(e->position().x()));
        const int y = PixelsToTwips(static_cast<int>(e->position().y()));
        const bool noButton = e->buttons() == Qt::NoButton;
        if (watched == 終了) {
            if (type == QEvent::MouseButtonRelease) 終了_MouseUp(x, y);
            else if (noButton) 終了_MouseMove();
        } else if (watched == 更新作成) {
            if (type == QEvent::MouseButtonRelease) 更新作成_MouseUp(x, y);
            else if (noButton) 更新作成_MouseMove();
        } else if (watched == this) {
            if (type == QEvent::MouseButtonRelease) Picture11_MouseUp();
            else Picture11_MouseMove();
        }
    } else if ((watched == Text15 || watched == Text16) &&
               (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        auto* e = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyPress) return KeyAsciiOf(*e) == kEnter;  // Enter is swallowed
        if (!e->isAutoRepeat()) DateBox_KeyUp(static_cast<QLineEdit*>(watched), VirtualKeyCode(*e));
    }
    return CollectionPanelBase::eventFilter(watched, event);
}

void InstallCollectionPanelMaker() {
    Makers().collectionPanel = [](QWidget* parent) -> QWidget* { return new CollectionPanel(parent); };
    Makers().addressBarChanged = [](const std::string& barText, std::string& collectUrl) {
        ClassifyAddressBar(barText, collectUrl);
    };
}

}  // namespace ranvik
