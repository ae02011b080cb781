// The print settings window: its controls, load, activation, print and
// cancel actions, the printer choice and the probe of the printer.
#include "print/form6.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>

#include "core/child_form.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/colors.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/keys.h"
#include "platform/ui/label_button.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

Form6* instance = nullptr;

constexpr const char* kFrameStyle =
    "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 7px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }";

class DialogChooser : public PrinterChooser {
public:
    std::shared_ptr<Printer> Choose(QWidget* parent) override {
        QPrinter printer;
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        if (dialog.exec() != QDialog::Accepted) return nullptr;
        return SystemPrinter::Named(printer.printerName().toStdString());
    }
};

std::unique_ptr<PrinterChooser>& ChooserSlot() {
    static std::unique_ptr<PrinterChooser> chooser = std::make_unique<DialogChooser>();
    return chooser;
}

QRadioButton* Option(QGroupBox* frame, const char* name, const QString& caption, int top) {
    auto* b = new QRadioButton(caption, frame);
    b->setObjectName(QString::fromUtf8(name));
    MoveTwips(b, 120, top, 1900, 270);
    return b;
}

}  // namespace

PrinterChooser& Chooser() { return *ChooserSlot(); }

std::unique_ptr<PrinterChooser> InstallPrinterChooser(std::unique_ptr<PrinterChooser> chooser) {
    std::unique_ptr<PrinterChooser> previous = std::move(ChooserSlot());
    ChooserSlot() = chooser ? std::move(chooser) : std::make_unique<DialogChooser>();
    return previous;
}

Printer& CurrentPrinter() {
    auto& printer = Program().print.CurrentPrinter;
    if (!printer) printer = std::make_shared<SystemPrinter>();
    return *printer;
}

PrintOptions PrintSettingsInForce() { return instance != nullptr ? instance->Options() : PrintOptions{}; }

Form6* Form6::Instance() { return instance; }

Form6* Form6::ShowPrintSettings(QWidget* parent) {
    if (instance == nullptr) {
        instance = new Form6(parent);
        instance->Form_Load();
    }
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

Form6::Form6(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("印刷設定"));
    BuildControls();
}

Form6::~Form6() {
    if (instance == this) instance = nullptr;
}

void Form6::BuildControls() {
    setMouseTracking(true);
    SetWidth(this, 4815);
    Frame5 = new QGroupBox(QStringLiteral("印刷対象"), this);
    MoveTwips(Frame5, 120, 60, 4560, 1140);
    int top = 240;
    for (QCheckBox** box : {&Check1, &Check2, &Check3}) {
        *box = new QCheckBox(Frame5);
        MoveTwips(*box, 120, top, 4300, 270);
        top += 280;
    }
    Check1->setObjectName("Check1");
    Check2->setObjectName("Check2");
    Check3->setObjectName("Check3");
    Frame3 = new QGroupBox(QStringLiteral("用紙"), this);
    MoveTwips(Frame3, 120, 1260, 2220, 1320);
    A4size = Option(Frame3, "A4size", QStringLiteral("A4(210X297)"), 240);
    B5size = Option(Frame3, "B5size", QStringLiteral("B5(182X257)"), 510);
    A5size = Option(Frame3, "A5size", QStringLiteral("A5(148X210)"), 780);
    ハガキsize = Option(Frame3, "ハガキsize", QStringLiteral("ﾊｶﾞｷ(100X148)"), 1050);
    A4size->setChecked(true);
    Frame2 = new QGroupBox(QStringLiteral("方向"), this);
    MoveTwips(Frame2, 2460, 1260, 2220, 840);
    横印刷 = Option(Frame2, "横印刷", QStringLiteral("横　印刷"), 240);
    縦印刷 = Option(Frame2, "縦印刷", QStringLiteral("縦　印刷"), 510);
    横印刷->setChecked(true);
    Frame4 = new QGroupBox(QStringLiteral("品質"), this);
    MoveTwips(Frame4, 120, 2640, 2220, 1080);
    きれい印刷 = Option(Frame4, "きれい印刷", QStringLiteral("きれい"), 240);
    普通印刷 = Option(Frame4, "普通印刷", QStringLiteral("普通"), 510);
    早い印刷 = Option(Frame4, "早い印刷", QStringLiteral("早い"), 780);
    普通印刷->setChecked(true);
    Frame1 = new QGroupBox(QStringLiteral("色ﾓｰﾄﾞ"), this);
    MoveTwips(Frame1, 2460, 2160, 2220, 840);
    カラー印刷 = Option(Frame1, "カラー印刷", QStringLiteral("ｶﾗｰ印刷"), 240);
    モノクロ印刷 = Option(Frame1, "モノクロ印刷", QStringLiteral("ﾓﾉｸﾛ印刷"), 510);
    カラー印刷->setChecked(true);
    // A frame's caption sits on its top border, as the window's design
    // places its buttons for: a caption above the border would put the
    // first and last buttons on the border lines.
    for (QGroupBox* frame : {Frame5, Frame3, Frame2, Frame4, Frame1}) frame->setStyleSheet(QString::fromUtf8(kFrameStyle));
    for (QRadioButton* b : {A4size, B5size, A5size, ハガキsize, 横印刷, 縦印刷, きれい印刷, 普通印刷, 早い印刷,
                            カラー印刷, モノクロ印刷}) {
        connect(b, &QRadioButton::clicked, this, [this] { OptionClicked(); });
    }
    Label1 = new QLabel(this);
    MoveTwips(Label1, 120, 3840, 1800, 255);
    Label2 = new LabelButton(this);
    Label2->setObjectName("Label2");
    MoveTwips(Label2, 1920, 3800, 2760, 300);
    Label2->SetPressLook(0, 0);
    Label2->setMouseTracking(true);
    SetBackColor(Label2, RGB(220, 220, 220));
    connect(Label2, &LabelButton::Click, this, [this] { Label2_Click(); });
    connect(Label2, &LabelButton::MouseMove, this, [this](int, int, double, double) { Label2_MouseMove(); });

    Label3 = new QLabel(this);
    MoveTwips(Label3, 600, 4320, 1680, 540);
    SetBackColor(Label3, RGB(192, 192, 192));
    印刷実行 = new LabelButton(QStringLiteral("印刷(E)"), this);
    印刷実行->setObjectName("印刷実行");
    印刷実行->setAlignment(Qt::AlignCenter);
    QFont bold(QStringLiteral("ＭＳ Ｐゴシック"));
    bold.setBold(true);
    bold.setPointSizeF(11.25);
    印刷実行->setFont(bold);
    MoveTwips(印刷実行, 645, 4365, 1590, 450);
    印刷実行->SetPressLook(10, 15, -20, -15);
    印刷実行->setMouseTracking(true);
    Label4 = new QLabel(this);
    MoveTwips(Label4, 2520, 4320, 1680, 540);
    SetBackColor(Label4, RGB(192, 192, 192));
    印刷取消 = new LabelButton(QStringLiteral("CANCEL"), this);
    印刷取消->setObjectName("印刷取消");
    印刷取消->setAlignment(Qt::AlignCenter);
    bold.setPointSizeF(9.75);
    印刷取消->setFont(bold);
    MoveTwips(印刷取消, 2565, 4365, 1590, 450);
    印刷取消->SetPressLook(0, 15);
    印刷取消->setMouseTracking(true);
    SetBackColor(印刷実行, ButtonFaceColor());
    SetBackColor(印刷取消, ButtonFaceColor());
    connect(印刷実行, &LabelButton::Click, this, [this] { 印刷実行_Click(); });
    connect(印刷取消, &LabelButton::Click, this, [this] { 印刷取消_Click(); });
    connect(印刷実行, &LabelButton::MouseDown, this, [this](int, int, double, double) { 印刷実行_MouseDown(); });
    connect(印刷実行, &LabelButton::MouseUp, this, [this](int, int, double, double) { 印刷実行_MouseUp(); });
    connect(印刷取消, &LabelButton::MouseDown, this, [this](int, int, double, double) { 印刷取消_MouseDown(); });
    connect(印刷取消, &LabelButton::MouseUp, this, [this](int, int, double, double) { 印刷取消_MouseUp(); });
    connect(印刷実行, &LabelButton::MouseMove, this, [this](int b, int, double, double) { 印刷実行_MouseMove(b); });
    connect(印刷取消, &LabelButton::MouseMove, this, [this](int b, int, double, double) { 印刷取消_MouseMove(b); });

    // Holds the focus so that E and X work; out of sight.
    Text2 = new QLineEdit(this);
    MoveTwips(Text2, -2000, 0, 300, 255);
    Text2->installEventFilter(this);

    mnuFile = new QMenu(QStringLiteral("ファイル(&F)"), this);
    mnuExec = mnuFile->addAction(QStringLiteral("印刷(&E)"));
    mnuEnd = mnuFile->addAction(QStringLiteral("終了(&X)"));
    connect(mnuExec, &QAction::triggered, this, [this] { mnuExec_Click(); });
    connect(mnuEnd, &QAction::triggered, this, [this] { mnuEnd_Click(); });
}

QCheckBox* Form6::TargetBox(int k) const { return k == 1 ? Check1 : k == 2 ? Check2 : Check3; }

PrintOptions Form6::Options() const {
    PrintOptions o;
    o.A4size = A4size->isChecked();
    o.B5size = B5size->isChecked();
    o.A5size = A5size->isChecked();
    o.postcardSize = ハガキsize->isChecked();
    o.landscape = 横印刷->isChecked();
    o.portrait = 縦印刷->isChecked();
    o.fine = きれい印刷->isChecked();
    o.normal = 普通印刷->isChecked();
    o.fast = 早い印刷->isChecked();
    o.colour = カラー印刷->isChecked();
    o.monochrome = モノクロ印刷->isChecked();
    return o;
}

void Form6::Form_Load() {
    printTop_ = TopOf(印刷実行);
    cancelTop_ = TopOf(印刷取消);
    SetHeight(this, 5865);
    ProbePrinterOptions();
}

void Form6::ProbePrinterOptions() {
    Printer& printer = CurrentPrinter();
    A5size->setEnabled(printer.SetPaperSize(11));
    B5size->setEnabled(printer.SetPaperSize(13));
    ハガキsize->setEnabled(printer.SetPaperSize(43));
    早い印刷->setEnabled(printer.SetPrintQuality(-1));
    普通印刷->setEnabled(printer.SetPrintQuality(-3));
    きれい印刷->setEnabled(printer.SetPrintQuality(-4));
    Label1->setText(QStringLiteral("使用するプリンタ ： "));
    Label2->setText(QString::fromStdString(printer.DeviceName() + " "));
}

void Form6::Form_Activate() {
    for (int k = 1; k <= 3; ++k) {
        QCheckBox* box = TargetBox(k);
        box->setText(QString());
        box->setToolTip(QString());
        box->setChecked(false);
        box->setEnabled(false);
    }
    for (int k = 1; k <= 3; ++k) {
        const ChartWindowBase* window = Program().windows.ChartWindow(k);
        if (window == nullptr || window->ChartKindBox() != 1 || window->LoadPending()) continue;
        const QString title = QString::fromStdString(window->TitleStrip());
        const qsizetype open = title.lastIndexOf(QLatin1Char('('));
        const QString t = open > 0 ? title.left(open) : title;
        if (t.isEmpty()) continue;
        QCheckBox* box = TargetBox(k);
        box->setText(t.left(19));
        if (t.size() > 19) box->setToolTip(t);
        box->setEnabled(true);
        box->setChecked(true);
    }
    Text2->setFocus();
}

void Form6::IdlePrintButton() {
    SetBackColor(Label3, RGB(192, 192, 192));
    SetBackColor(印刷実行, ButtonFaceColor());
}

void Form6::印刷実行_Click() {
    if (!Check1->isChecked() && !Check2->isChecked() && !Check3->isChecked()) {
        ShowMessage("600, 印刷対象を指定して下さい    ", "印刷設定", MessageIcon::Exclamation);
        IdlePrintButton();
        return;
    }
    SetBackColor(Label3, RGB(255, 240, 128));
    // With no printer the pages go into PDF files: the user is told where,
    // once for the whole print run.
    const auto* pdf = dynamic_cast<const SystemPrinter*>(&CurrentPrinter());
    const std::size_t filesBefore = pdf != nullptr && pdf->PrintsToPdf() ? pdf->WrittenFiles().size() : 0;
    Program().commands.ChartCommand = 200;
    for (int k = 1; k <= 3; ++k) {
        if (!TargetBox(k)->isChecked()) continue;
        // A window closed meanwhile has nothing to print.
        if (ChartWindowBase* window = Program().windows.ChartWindow(k)) window->SetCommCheck(1);
    }
    Unload();
    if (pdf != nullptr && pdf->PrintsToPdf() && pdf->WrittenFiles().size() > filesBefore) {
        std::string text = "プリンタが無いため、PDFファイルに印刷しました。    ";
        for (std::size_t i = filesBefore; i < pdf->WrittenFiles().size(); ++i) text += "\r\n" + pdf->WrittenFiles()[i];
        ShowMessage(text, "印刷設定", MessageIcon::Information);
    }
}

void Form6::印刷取消_Click() { Unload(); }

void Form6::mnuExec_Click() { 印刷実行_Click(); }

void Form6::Unload() {
    if (instance == this) instance = nullptr;
    hide();
    deleteLater();
}

bool Form6::ChoosePrinter() {
    std::shared_ptr<Printer> chosen = Chooser().Choose(this);
    if (!chosen) return false;
    Program().print.CurrentPrinter = std::move(chosen);
    return true;
}

void Form6::Label2_Click() {
    if (ChoosePrinter()) {
        Label2->setText(QString::fromStdString(CurrentPrinter().DeviceName() + " "));
        ProbePrinterOptions();
    }
    SetBackColor(Label2, RGB(220, 220, 220));
    Text2->setFocus();
}

bool Form6::Text2_KeyPress(int keyAscii) { return keyAscii == 13; }

void Form6::Text2_KeyUp(int keyCode, int shift) {
    if (shift != 0) return;
    if (keyCode == 69) {
        印刷実行_Click();
    } else if (keyCode == 88) {
        印刷取消_Click();
    }
}

void Form6::OptionClicked() { Text2->setFocus(); }

void Form6::Form_MouseMove() {
    SetBackColor(Label2, RGB(220, 220, 220));
    SetBackColor(Label3, RGB(192, 192, 192));
    SetBackColor(Label4, RGB(192, 192, 192));
    SetBackColor(印刷実行, ButtonFaceColor());
    SetBackColor(印刷取消, ButtonFaceColor());
}

void Form6::Label2_MouseMove() { SetBackColor(Label2, RGB(192, 255, 255)); }

void Form6::印刷実行_MouseMove(int button) {
    if (button != 0) return;
    SetBackColor(Label3, RGB(255, 200, 0));
    SetBackColor(印刷実行, RGB(255, 240, 210));
}

void Form6::印刷取消_MouseMove(int button) {
    if (button != 0) return;
    SetBackColor(Label4, RGB(255, 200, 0));
    SetBackColor(印刷取消, RGB(255, 240, 210));
}

void Form6::印刷実行_MouseDown() { SetBackColor(Label3, RGB(160, 160, 160)); }
void Form6::印刷実行_MouseUp() { SetTop(印刷実行, printTop_); }
void Form6::印刷取消_MouseDown() { SetBackColor(Label4, RGB(160, 160, 160)); }
void Form6::印刷取消_MouseUp() { SetTop(印刷取消, cancelTop_); }

bool Form6::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(e);
}

void Form6::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(e);
}

bool Form6::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Text2 && e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (Text2_KeyPress(KeyAsciiOf(*key))) return true;
    }
    if (watched == Text2 && e->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(e);
        Text2_KeyUp(VirtualKeyCode(*key), ShiftStateOf(key->modifiers()));
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace ranvik
