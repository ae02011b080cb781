#include "core/splash.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include "core/main_window.h"
#include "core/program_state.h"
#include "core/startup_checks.h"

namespace ranvik {

const Color frmSplash::kFaceNormal = RGB(192, 255, 255);
const Color frmSplash::kFaceHover = RGB(80, 255, 255);
const Color frmSplash::kFacePressed = RGB(160, 160, 160);

namespace {

QPointer<frmSplash>& Instance() {
    static QPointer<frmSplash> instance;
    return instance;
}

}  // namespace

// A few candlesticks.
QPixmap ProgramPicture() {
    QPixmap pixmap(64, 64);
    pixmap.fill(QColor(240, 255, 240));
    QPainter p(&pixmap);
    const struct {
        int x, high, open, close, low;
    } bars[] = {{8, 40, 46, 36, 54}, {20, 30, 36, 26, 44}, {32, 22, 24, 32, 38}, {44, 12, 28, 16, 32}, {56, 6, 16, 10, 22}};
    for (const auto& b : bars) {
        p.setPen(QColor(0, 0, 0));
        p.drawLine(b.x, b.high, b.x, b.low);
        const bool rising = b.close < b.open;
        p.setBrush(rising ? QColor(255, 85, 80) : QColor(0, 120, 255));
        p.drawRect(b.x - 4, std::min(b.open, b.close), 8, std::abs(b.open - b.close));
    }
    return pixmap;
}

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    MoveTwips(label, left, top, width, height);
    return label;
}

}  // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("frmSplash");
    setWindowTitle("プログラム情報");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsToPixels(6900), TwipsToPixels(4200));

    imgLogo = MakeLabel(this, "imgLogo", 300, 300, 960, 960);
    imgLogo->setPixmap(ProgramPicture());
    lblProductName = MakeLabel(this, "lblProductName", 1500, 240, 5200, 750);
    lblVersion = MakeLabel(this, "lblVersion", 1500, 1050, 5000, 300);
    lblPlatform = MakeLabel(this, "lblPlatform", 1500, 1350, 5000, 300);
    lblCompanyProduct = MakeLabel(this, "lblCompanyProduct", 300, 1800, 6300, 300);
    lblCompany = MakeLabel(this, "lblCompany", 300, 2100, 6300, 300);
    lblCopyright = MakeLabel(this, "lblCopyright", 300, 2400, 6300, 300);
    lblWarning = MakeLabel(this, "lblWarning", 300, 2760, 6300, 600);
    lblWarning->setWordWrap(true);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    MoveTwips(Frame1, 0, 3420, 6900, 780);
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    Label2 = MakeLabel(Frame1, "Label2", 2850, 150, 1200, 420);
    Label2->setFrameShape(QFrame::Panel);
    Label2->setFrameShadow(QFrame::Raised);
    SetBackColor(Label2, kFaceNormal);
    Label3 = new LabelButton("O K", Frame1);
    // The box moves the label and colours the face itself.
    Label3->SetAutoPressLook(false);
    Label3->setObjectName("Label3");
    Label3->setAlignment(Qt::AlignCenter);
    MoveTwips(Label3, 2880, 225, 1140, 270);
    Label3->setMouseTracking(true);
    connect(Label3, &LabelButton::MouseDown, this, [this](int, int, double, double) { Label3_MouseDown(); });
    connect(Label3, &LabelButton::MouseMove, this, [this](int, int, double, double) { Label3_MouseMove(); });
    connect(Label3, &LabelButton::MouseUp, this, [this](int, int, double x, double y) { Label3_MouseUp(static_cast<int>(x), static_cast<int>(y)); });
}

void frmSplash::Form_Load() {
    const auto& app = Program().app;
    okTop_ = TopOf(Label3);
    lblVersion->setText(QString::fromStdString("ﾊﾞｰｼﾞｮﾝ " + std::to_string(kProgramVersion.major) + "." +
                                               std::to_string(kProgramVersion.minor) + "." +
                                               std::to_string(kProgramVersion.revision) + app.VersionSuffix));
    QFont f = lblProductName->font();
    f.setPointSize(app.AdminMode == kTrue ? 23 : 28);
    lblProductName->setFont(f);
    lblProductName->setText(QString::fromStdString(app.AppTitle));
    lblPlatform->setText("for Windows XP/7/10");
    lblCompanyProduct->setText("Ranvikチャート / Tamelo");
    lblCompany->setText("Ranvik プロジェクト");
    lblCopyright->setText("Copyright (C) Ranvik プロジェクト");
    lblWarning->setText("表示するチャートは投資判断の参考情報です。売買の判断はご自身の責任で行って下さい。");
}

void frmSplash::Frame1_MouseMove() {
    if (BackColorOf(Label2) != kFaceNormal) SetBackColor(Label2, kFaceNormal);
}

void frmSplash::Label3_MouseMove() {
    if (BackColorOf(Label2) != kFacePressed) SetBackColor(Label2, kFaceHover);
}

void frmSplash::Label3_MouseDown() {
    SetBackColor(Label2, kFacePressed);
    SetTop(Label3, TopOf(Label3) + 15);
}

void frmSplash::Label3_MouseUp(int x, int y) {
    SetTop(Label3, okTop_);
    if (x > 0 && x < WidthOf(Label3) && y > 0 && y < HeightOf(Label3)) close();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Frame1 && event->type() == QEvent::MouseMove) Frame1_MouseMove();
    return QWidget::eventFilter(watched, event);
}

frmSplash* ShowSplash() {
    QPointer<frmSplash>& box = Instance();
    if (box == nullptr) {
        box = new frmSplash(Program().windows.MainForm);
        box->Form_Load();
    }
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

frmSplash* OpenSplash() { return Instance(); }

}  // namespace ranvik
