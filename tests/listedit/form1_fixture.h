#pragma once
// The list editor started in a temporary program folder, with recorded
// messages, help calls and popup menus, and stock tables and text lists
// written there as fixtures.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>
#include <string>
#include <vector>

#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "platform/lists/list_table.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/os_version.h"
#include "platform/runtime/process.h"
#include "platform/runtime/text_file.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/label_button.h"
#include "platform/ui/twips.h"
#include "platform/ui/menu_items.h"
#include "platform/ui/popup_menu_service.h"
#include "tests/support/list_entries.h"
#include "tests/support/test_support.h"

namespace ranvik::listedit::test {

using ranvik::test::Heading;
using ranvik::test::Stock;

// The header of the fixture tables: a version, and values in every field
// the editor must keep.
inline ListEntry TableHeader(std::int16_t reserved = 7) {
    ListEntry h;
    h.Code = "HEAD";
    h.StockName = "4.4.24";
    h.Market = "x";
    h.Section = 3;
    h.UNI = "SUP1";
    h.TradingUnit = 9;
    h.Reserved = reserved;
    return h;
}

// Rows 1 to 6 of the prime table fixture.
inline std::vector<ListEntry> PrimeEntries() {
    ListEntry toyota = Stock("7203", "トヨタ自動車", "t", 1, 100);
    toyota.UNI = "A1";
    return {Heading("水産・農林業"), Stock("1301", "極洋"), Stock("1332", "ニッスイ"),
            Heading("輸送用機器"),   toyota,                Stock("7267", "ホンダ")};
}

inline void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += ToAnsi(line) + "\r\n";
    ranvik::test::WriteBytes(path, bytes);
}

// The column's texts of grid rows 1 to the last.
inline std::vector<std::string> Column(const FlexGrid& grid, int col) {
    std::vector<std::string> texts;
    for (int r = 1; r < grid.Rows(); ++r) texts.push_back(grid.TextMatrix(r, col));
    return texts;
}

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEditorState();
        SetProgramFolder(dir.Path());
        SetOperatingSystemVersion(-1);
    }
    void TearDown() override {
        form.reset();
        SetProgramFolder("");
        SetOperatingSystemVersion(-1);
        ResetEditorState();
    }

    // Writes the prime table fixture (and a URL list when asked), creates
    // and loads the window at a fixed size.
    Form1& Start() {
        form = std::make_unique<Form1>();
        form->resize(700, 500);
        form->Form_Load();
        form->Form_Resize();
        return *form;
    }
    void WritePrimeTable(std::vector<ListEntry> entries = PrimeEntries()) {
        ranvik::test::WriteBytes(dir.File(kPrimeTable), ListTableBytes(TableHeader(), std::move(entries)));
    }
    void WriteAdminUrlList() { WriteLines(dir.File("MyURL.txt"), {"Version=4.4.24", "管理者=kvo", "<END>"}); }
    // The prime table open in the grid.
    Form1& StartWithPrimeTable() {
        WritePrimeTable();
        Form1& f = Start();
        f.mnuMeigaraList_Click(1);
        return f;
    }
    // A left press on the cell, as the grid raises it.
    void Press(int row, int col) {
        form->MSFGrid1->SetRow(row);
        form->MSFGrid1->SetCol(col);
        form->MSFGrid1_MouseDown(1, 0, 300, 300);
    }
    // Types into the cell editor and presses Enter.
    void Enter(const std::string& text) {
        form->Text2->setText(QString::fromStdString(text));
        form->Text2_KeyDown(13, 0);
    }
    std::vector<std::string> MessageTexts() {
        std::vector<std::string> texts;
        for (const auto& m : messages->shown) texts.push_back(m.text);
        return texts;
    }
    std::string Caption() { return form->windowTitle().toStdString(); }

    ranvik::test::TempFolder dir;
    ScopedRecordingMessages messages;
    ScopedRecordingHelp help;
    ScopedRecordingPopupMenus popups;
    std::unique_ptr<Form1> form;
};

}  // namespace ranvik::listedit::test
