// New and deleted data files: the new-file panel, the creation of an empty
// stock data file, and the deletion of a whole file with the chart windows told.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "chart/window/form3.h"
#include "core/data_store.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "maintenance/form2.h"
#include "maintenance/form2_internal.h"
#include "maintenance/record_entries.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/record_file.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/text_box.h"
#include "platform/ui/twips.h"

namespace ranvik {

using namespace form2_internal;

namespace {

constexpr int kEnterKey = 13;
constexpr const char* kMessage205 = "205, 既に同じファイル名があります。";

std::string NotCreatedMessage(const std::string& fileName) {
    return "株価データファイル " + fileName + " を作成できませんでした";
}

// The name the delete question shows: the grid's name cut after its first
// blank at or after the fifth character, the blank kept.
std::string QuestionName(const std::string& listed) {
    const std::size_t blank = listed.find(' ', 4);
    return blank == std::string::npos ? listed : listed.substr(0, blank + 1);
}

}  // namespace

void Form2::BuildNewFilePanel() {
    Label6 = new QLabel(QString::fromUtf8("４桁の銘柄コードを入力："), Frame4);
    Label6->setObjectName("Label6");
    MoveTwips(Label6, 100, 340, 2080, 255);
    Text2 = new TextBox(Frame4);
    Text2->setObjectName("Text2");
    MoveTwips(Text2, 2200, 280, 615, 270);
    SetBackColor(Text2, RGB(192, 255, 255));
    auto* box = new QFrame(Frame4);
    box->setFrameShape(QFrame::Box);
    MoveTwips(box, 720, 645, 2115, 375);
    Label2 = new QLabel(QString::fromUtf8("選択："), Frame4);
    Label2->setObjectName("Label2");
    MoveTwips(Label2, 120, 750, 600, 255);
    Option1 = new QRadioButton(QString::fromUtf8("日ﾃﾞｰﾀ"), Frame4);
    Option1->setObjectName("Option1");
    MoveTwips(Option1, 840, 750, 900, 255);
    Option1->setChecked(true);
    Option2 = new QRadioButton(QString::fromUtf8("週ﾃﾞｰﾀ"), Frame4);
    Option2->setObjectName("Option2");
    MoveTwips(Option2, 1800, 750, 900, 255);

    connect(Option1, &QRadioButton::clicked, this, &Form2::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form2::Option2_Click);
    connect(Text2, &TextBox::KeyPress, this, &Form2::Text2_KeyPress, Qt::DirectConnection);
    connect(Text2, &TextBox::KeyDown, this, &Form2::Text2_KeyDown);
}

// ---------------------------------------------------------------- new file

void Form2::新ファイルCMD_Click() {
    if (OperationState == kNewFileOpen) {
        Text2->setFocus();
        return;
    }
    if (OperationState != kIdle) return;
    OriginalFilePath = DataFilePath;
    Frame4->show();
    Frame4->raise();
    Text2->clear();
    Text2->setFocus();
    SetGridHeader();
    OperationState = kNewFileOpen;
    DataFilePath.clear();
    EnableOperationButtons();
}

void Form2::Option1_Click() { Text2->setFocus(); }

void Form2::Option2_Click() { Text2->setFocus(); }

void Form2::Text2_KeyPress(int& keyAscii) {
    if (keyAscii == kEnterKey) keyAscii = 0;
}

void Form2::Text2_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == kEnterKey) CreateFromCode();
}

void Form2::CreateStockFile() {
    const std::string& appDir = Program().app.AppDir;
    DataFilePath = appDir + SelectedFileName;
    if (FileExistsIn(SelectedFileName, appDir) != 0) {
        ShowMessage(kMessage205, kWindowTitle);
        DataFilePath.clear();
        return;
    }
    try {
        CreateDataFile(DataFilePath);
    } catch (const FileError&) {
        // A half-made file must not be listed as a stock; whatever else
        // stands under the name (a folder) is not this window's to remove.
        if (FileExists(DataFilePath)) DeleteFile(DataFilePath);
        ShowMessage(NotCreatedMessage(SelectedFileName), kWindowTitle);
        DataFilePath.clear();
        // The operation ends on the file shown before.
        if (OperationState == kNewFileOpen) リセットCMD_Click();
        return;
    }
    DisplayName = SelectedFileName;
}

void Form2::CreateFromCode() {
    if (OperationState != kNewFileOpen) return;
    // 1. and 2.
    EntryText = Text2->text().toStdString();
    if (!IsNewFileCode(EntryText)) {
        Beep();
        Text2->setFocus();
        return;
    }
    // 3. to 5.
    EntryText += Option1->isChecked() ? "d.KDT" : "w.KDT";
    SelectedFileName = EntryText;
    CreateStockFile();
    if (OperationState != kNewFileOpen) return;
    if (DataFilePath.empty()) {
        Text2->setFocus();
        return;
    }
    // 6.
    SetBackColor(新ファイルCMD, kButtonEnded);
    OperationState = kIdle;
    Frame4->hide();
    RecordCount = 1;
    LoadStockFile(0);
    RefreshMainFileList();
    追加CMD_Click();
}

void Form2::RefreshMainFileList() {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    const std::string& appDir = Program().app.AppDir;
    FlexGrid& grid = *main->MSFGrid1;
    // 7.
    grid.SetRows(std::max(CountDataFiles(appDir), 12) + 2);
    main->FillDataFileList(appDir);
    // 8.
    for (int row = 1; row < grid.Rows(); ++row) {
        if (grid.TextMatrix(row, 4) != SelectedFileName) continue;
        DisplayName = Trim(grid.TextMatrix(row, 1));
        const std::optional<float> unit = EntryNumber(grid.TextMatrix(row, 3));
        std::string& unitText = Program().selection.CurrentUnitText;
        unitText = unit && *unit > 0 ? std::string("(").append(grid.TextMatrix(row, 3)).append("株)") : std::string();
        Label1->setText(QString::fromStdString(DisplayName + unitText));
        Label1->adjustSize();
        grid.SetRow(row);
        return;
    }
}

// ---------------------------------------------------------------- file delete

void Form2::銘柄削除CMD_Click() {
    if (DataFilePath.empty() || OperationState != kIdle) return;
    MDIForm1* main = Program().windows.MainForm;
    // 1. to 3.
    const std::string name =
        main != nullptr ? QuestionName(main->MSFGrid1->TextMatrix(main->MSFGrid1->Row(), 1)) : DisplayName;
    OperationState = kDeleteChosen;
    const MessageAnswer answer = ShowMessage("201, <" + name + ">を削除してよろしいですか　　", kWindowTitle,
                                             MessageIcon::Exclamation, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
        // 4.  The file goes first: a file that stays is still shown by the
        // chart windows that show it.
        auto& program = Program();
        if (!DeleteFile(DataFilePath)) {
            ShowMessage(NotDeletedMessage(SelectedFileName), kWindowTitle);
        } else {
            program.commands.RemovedDataFile = DataFilePath;
            program.commands.ChartCommand = 98;
            for (int no = 1; no <= 3; ++no) {
                // Each window handles the command at once and clears its box.
                if (auto* chart = dynamic_cast<Form3*>(program.windows.ChartWindow(no))) {
                    chart->CommCheck.SetValue(1);
                }
            }
            DataFilePath.clear();
            if (main != nullptr) main->FillDataFileList(program.app.AppDir);
            SetForeColor(Label1, QBColor(12));
            Label1->setText(QString::fromStdString(name + " deleted"));
            Label1->adjustSize();
            銘柄削除CMD->setEnabled(false);
            Item("mnuOperItem", 7).SetEnabled(false);
            新ファイルCMD->setEnabled(true);
            Item("mnuOperItem", 5).SetEnabled(true);
            for (QPushButton* b : {追加CMD, 削除CMD, 修正CMD}) b->setEnabled(false);
            for (int item : {2, 4, 3}) Item("mnuOperItem", item).SetEnabled(false);
        }
    }
    // 5.
    OperationState = kIdle;
    SetBackColor(銘柄削除CMD, kButtonEnded);
}

}  // namespace ranvik
