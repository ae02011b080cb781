#pragma once
// The print settings window Form6 "印刷設定": which chart windows to print,
// the paper, orientation, quality and colour mode, and the printer.  One
// instance, shown without being modal; its choices last as long as it is
// loaded, and the print job of each chosen window reads them while the
// window's print action runs.
#include <QWidget>
#include <memory>
#include <string>

#include "platform/surface/printer.h"
#include "print/print_job.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QRadioButton;

namespace ranvik {

class LabelButton;

// The platform's printer set-up dialog (no printing to a file): the printer
// chosen, or null when the user cancelled it or it failed.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    virtual std::shared_ptr<Printer> Choose(QWidget* parent) = 0;
};
// The chooser in force (the system's dialog until another is installed);
// installs one and returns the previous.
PrinterChooser& Chooser();
std::unique_ptr<PrinterChooser> InstallPrinterChooser(std::unique_ptr<PrinterChooser> chooser);

// The program's current printer: the system's default at first use.
Printer& CurrentPrinter();

// The options of the loaded settings window, or its design defaults.
PrintOptions PrintSettingsInForce();

class Form6 : public QWidget {
    Q_OBJECT
public:
    // The loaded window, or null.
    static Form6* Instance();
    // The chart windows' print menu item: loads the window the first time,
    // brings it forward afterwards.
    static Form6* ShowPrintSettings(QWidget* parent = nullptr);

    ~Form6() override;

    void Form_Load();
    void Form_Activate();
    void 印刷実行_Click();
    void 印刷取消_Click();
    void Label2_Click();
    void ProbePrinterOptions();
    bool ChoosePrinter();
    // Text2's keys: true when the key was swallowed.
    bool Text2_KeyPress(int keyAscii);
    void Text2_KeyUp(int keyCode, int shift);
    void OptionClicked();
    void mnuExec_Click();
    void mnuEnd_Click() {}
    // Looks: over the background, over Label2, over or pressing the buttons.
    void Form_MouseMove();
    void Label2_MouseMove();
    void 印刷実行_MouseMove(int button);
    void 印刷取消_MouseMove(int button);
    void 印刷実行_MouseDown();
    void 印刷実行_MouseUp();
    void 印刷取消_MouseDown();
    void 印刷取消_MouseUp();

    PrintOptions Options() const;
    QCheckBox* TargetBox(int k) const;

    QGroupBox* Frame5 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* A4size = nullptr;
    QRadioButton* B5size = nullptr;
    QRadioButton* A5size = nullptr;
    QRadioButton* ハガキsize = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* 横印刷 = nullptr;
    QRadioButton* 縦印刷 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QRadioButton* きれい印刷 = nullptr;
    QRadioButton* 普通印刷 = nullptr;
    QRadioButton* 早い印刷 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* カラー印刷 = nullptr;
    QRadioButton* モノクロ印刷 = nullptr;
    QLabel* Label1 = nullptr;
    LabelButton* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    LabelButton* 印刷実行 = nullptr;
    QLabel* Label4 = nullptr;
    LabelButton* 印刷取消 = nullptr;
    QLineEdit* Text2 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuExec = nullptr;
    QAction* mnuEnd = nullptr;

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Form6(QWidget* parent);
    void BuildControls();
    void Unload();
    void IdlePrintButton();

    int printTop_ = 0;   // design tops of the two buttons
    int cancelTop_ = 0;
};

}  // namespace ranvik
