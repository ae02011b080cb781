// The list editor's window as designed: its controls, their places and
// looks, and the routing of the window system's events to the handlers.
#include "listedit/form1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QResizeEvent>

#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/keys.h"
#include "platform/ui/label_button.h"
#include "platform/ui/twips.h"

namespace ranvik::listedit {

namespace {

// The design client area.
constexpr int kClientWidth = 9585;
constexpr int kClientHeight = 6285;
constexpr int kListLeft = 20;
constexpr int kListTop = 700;

struct ButtonDesign {
    const char* caption;
    TwipsRect button;
    TwipsRect backLabel;
};
constexpr ButtonDesign kModifyDesign{"部分修正", {140, 270, 950, 180}, {135, 250, 975, 225}};
constexpr ButtonDesign kInsertDesign{"行追加", {1275, 270, 930, 180}, {1260, 250, 980, 230}};
constexpr ButtonDesign kDeleteDesign{"行削除", {2400, 270, 930, 180}, {2380, 250, 980, 230}};
constexpr ButtonDesign kMoveDesign{"   行移動", {3530, 270, 930, 180}, {3510, 250, 975, 230}};
constexpr ButtonDesign kResetDesign{"リセット", {4635, 270, 950, 180}, {4635, 250, 980, 230}};

// The search frame's close image and its hover look: a cross on the
// frame's top edge.
QPixmap CloseImage(bool hover) {
    QPixmap picture(TwipsToPixels(375), TwipsToPixels(200));
    picture.fill(hover ? QColor(232, 17, 35) : QColor(225, 225, 225));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(hover ? Qt::white : QColor(64, 64, 64), 1.5));
    const int cx = picture.width() / 2;
    const int cy = picture.height() / 2;
    painter.drawLine(cx - 3, cy - 3, cx + 3, cy + 3);
    painter.drawLine(cx - 3, cy + 3, cx + 3, cy - 3);
    return picture;
}

void Place(QWidget* widget, const TwipsRect& r) { MoveTwips(widget, r.left, r.top, r.width, r.height); }

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Tamelo");
    BuildControls();
    BuildMenus();
    ConnectHandlers();
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
}

Form1::~Form1() = default;

void Form1::BuildControls() {
    Client = new QWidget(this);
    Client->setObjectName("Form1");
    Client->setMouseTracking(true);
    Client->installEventFilter(this);
    setCentralWidget(Client);

    BuildEditButtons();
    BuildSearchFrame();

    MSFGrid1 = new FlexGrid(Client);
    MSFGrid1->setObjectName("MSFGrid1");
    MSFGrid1->SetCols(7);
    MSFGrid1->SetRows(2);
    MSFGrid1->SetFixedRows(1);
    MSFGrid1->SetFixedCols(1);
    MSFGrid1->SetDefaultRowHeight(240);
    MSFGrid1->SetBackColor(InactiveBorderColor());
    MSFGrid1->SetForeColor(QBColor(0));
    MSFGrid1->SetScrollBars(kFlexScrollBoth);
    // The widths a table gets; the name column takes the rest on resizing.
    const int widths[] = {5, 540, 3500, 500, 500, 1000, 600};
    for (int c = 0; c < 7; ++c) MSFGrid1->SetColWidth(c, widths[c]);
    MoveTwips(MSFGrid1, kListLeft, kListTop, kClientWidth - kListLeft - 80, kClientHeight - kListTop - 80);

    URLNEWStxt = new QPlainTextEdit(Client);
    URLNEWStxt->setObjectName("URLNEWStxt");
    URLNEWStxt->setLineWrapMode(QPlainTextEdit::NoWrap);
    URLNEWStxt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    URLNEWStxt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::Monospace);
    URLNEWStxt->setFont(fixed);
    MoveTwips(URLNEWStxt, kListLeft, kListTop, kClientWidth - kListLeft - 80, kClientHeight - kListTop - 80);
    URLNEWStxt->hide();

    Text2 = new QLineEdit(Client);
    Text2->setObjectName("Text2");
    Text2->setFrame(false);
    SetBackColor(Text2, kEditorBack);
    Text2->installEventFilter(this);
    Text2->hide();
}

void Form1::BuildEditButtons() {
    Frame3 = new QGroupBox(Client);
    Frame3->setObjectName("Frame3");
    Frame3->setMouseTracking(true);
    Frame3->installEventFilter(this);
    MoveTwips(Frame3, 20, 30, 5775, 615);
    const struct {
        LabelButton** button;
        QLabel** backLabel;
        const ButtonDesign& design;
        const char* name;
        const char* labelName;
    } buttons[] = {
        {&修正BTN, &Label4, kModifyDesign, "修正BTN", "Label4"},
        {&行追加BTN, &Label5, kInsertDesign, "行追加BTN", "Label5"},
        {&行削除BTN, &Label6, kDeleteDesign, "行削除BTN", "Label6"},
        {&行移動BTN, &Label8, kMoveDesign, "行移動BTN", "Label8"},
        {&リセットBTN, &Label7, kResetDesign, "リセットBTN", "Label7"},
    };
    QFont font = Frame3->font();
    font.setPixelSize(11);
    for (const auto& b : buttons) {
        auto* back = new QLabel(Frame3);
        back->setObjectName(b.labelName);
        Place(back, b.design.backLabel);
        SetBackColor(back, kBackLabelNormal);
        auto* button = new LabelButton(QString::fromUtf8(b.design.caption), Frame3);
        button->setObjectName(b.name);
        button->SetAutoPressLook(false);
        button->setFont(font);
        button->setAlignment(b.button == &行移動BTN ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        SetBackColor(button, RGB(224, 224, 224));
        SetButtonPlace(button, b.design.button);
        *b.button = button;
        *b.backLabel = back;
        backLabels_[button] = back;
    }
    SetForeColor(行削除BTN, RGB(192, 0, 192));
    Frame3->hide();
}

void Form1::BuildSearchFrame() {
    Frame2 = new QGroupBox("検索キーを入力", Client);
    Frame2->setObjectName("Frame2");
    Frame2->setMouseTracking(true);
    Frame2->installEventFilter(this);
    MoveTwips(Frame2, 6200, 10, 2900, 650);

    Combo1 = new QComboBox(Frame2);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    // The search button keeps the keys; the box adds none by itself.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    MoveTwips(Combo1, 105, 255, 1935, 330);
    // The box passes its keys on to its line edit; a key sent to the line
    // edit itself bypasses the box.
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);

    検索BTN = new LabelButton("検索", Frame2);
    検索BTN->setObjectName("検索BTN");
    検索BTN->SetAutoPressLook(false);
    検索BTN->setAlignment(Qt::AlignCenter);
    SetBackColor(検索BTN, kButtonNormal);
    MoveTwips(検索BTN, 2130, 270, 660, 300);

    Picture1 = new LabelButton(Frame2);
    Picture1->setObjectName("Picture1");
    Picture1->SetAutoPressLook(false);
    Picture1->setPixmap(CloseImage(false));
    MoveTwips(Picture1, 2460, 0, 375, 200);
    Picture2 = new LabelButton(Frame2);
    Picture2->setObjectName("Picture2");
    Picture2->SetAutoPressLook(false);
    Picture2->setPixmap(CloseImage(true));
    MoveTwips(Picture2, 2460, 0, 375, 200);
    Picture2->hide();
    Frame2->hide();
}

void Form1::ConnectHandlers() {
    connect(MSFGrid1, &FlexGrid::MouseMove, this, &Form1::MSFGrid1_MouseMove);
    connect(MSFGrid1, &FlexGrid::MouseDown, this, &Form1::MSFGrid1_MouseDown);
    connect(MSFGrid1, &FlexGrid::Scroll, this, &Form1::MSFGrid1_Scroll);
    connect(URLNEWStxt, &QPlainTextEdit::textChanged, this, &Form1::URLNEWStxt_Change);
    connect(Combo1, &QComboBox::editTextChanged, this, [this] { Combo1_Change(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(検索BTN, &LabelButton::Click, this, &Form1::検索BTN_Click);
    connect(検索BTN, &LabelButton::MouseMove, this, [this](int button) { 検索BTN_MouseMove(button); });
    connect(検索BTN, &LabelButton::MouseDown, this, [this] { 検索BTN_MouseDown(); });
    connect(Picture1, &LabelButton::MouseMove, this, [this] { Picture1_MouseMove(); });
    connect(Picture2, &LabelButton::Click, this, &Form1::Picture2_Click);
    const struct {
        LabelButton* button;
        void (Form1::*click)();
    } buttons[] = {{修正BTN, &Form1::修正BTN_Click},
                   {行追加BTN, &Form1::行追加BTN_Click},
                   {行削除BTN, &Form1::行削除BTN_Click},
                   {行移動BTN, &Form1::行移動BTN_Click},
                   {リセットBTN, &Form1::リセットBTN_Click}};
    for (const auto& b : buttons) {
        LabelButton* button = b.button;
        connect(button, &LabelButton::Click, this, b.click);
        connect(button, &LabelButton::MouseMove, this,
                [this, button](int mouseButton) { EditButton_MouseMove(button, mouseButton); });
        connect(button, &LabelButton::MouseDown, this, [this, button] { EditButton_MouseDown(button); });
        connect(button, &LabelButton::MouseUp, this, [this, button] { EditButton_MouseUp(button); });
    }
}

// ---------------------------------------------------------------- events

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Client && (type == QEvent::MouseButtonPress || type == QEvent::MouseMove)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseMove) {
            Form_MouseMove();
        } else {
            Form_MouseDown(MouseButtonOf(*mouse), ShiftStateOf(mouse->modifiers()),
                           PixelsToTwips(mouse->position().x()), PixelsToTwips(mouse->position().y()));
        }
        return false;
    }
    if (watched == Frame3 && type == QEvent::MouseMove) Frame3_MouseMove();
    if (watched == Frame2 && type == QEvent::MouseMove) Frame2_MouseMove();
    if (type == QEvent::KeyPress && (watched == Text2 || watched == Combo1 || watched == Combo1->lineEdit())) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = VirtualKeyCode(*key);
        const int shift = ShiftStateOf(key->modifiers());
        if (watched != Text2) {
            Combo1_KeyDown(code, shift);
            // The box would take Enter as a new item of its own.
            return code == 13;
        }
        Text2_KeyDown(code, shift);
        const int ascii = KeyAsciiOf(*key);
        return ascii != 0 && Text2_KeyPress(ascii) == 0;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) event->ignore();
    else event->accept();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (loaded_) Form_Resize();
}

// ---------------------------------------------------------------- button places

TwipsRect Form1::ButtonPlace(const LabelButton* button) const {
    const auto it = buttonPlaces_.find(button);
    return it == buttonPlaces_.end() ? TwipsRect{} : it->second;
}

void Form1::SetButtonPlace(LabelButton* button, const TwipsRect& place) {
    buttonPlaces_[button] = place;
    Place(button, place);
}

QLabel* Form1::BackLabelOf(const LabelButton* button) const {
    const auto it = backLabels_.find(button);
    return it == backLabels_.end() ? nullptr : it->second;
}

}  // namespace ranvik::listedit
