#pragma once
// The data maintenance window open in a started main window, over stock data
// files written record by record in the temporary program folder, with a
// fixed today (Friday 05/10/24) and recorded messages, beeps and popups.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "core/data_store.h"
#include "core/quote_record.h"
#include "maintenance/form2.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/record_file.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/popup_menu_service.h"
#include "platform/ui/text_box.h"
#include "tests/core/main_window_fixture.h"
#include "tests/maintenance/quote_files.h"

namespace ranvik::test {

class Form2Test : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallMaintenanceWindowMaker();
        WriteUrlList();
        Start();
        Open();
    }
    void TearDown() override {
        window = nullptr;
        MainWindowTest::TearDown();
    }

    void Open() {
        form->ShowChild(Makers().maintenanceWindow());
        window = static_cast<Form2*>(Program().windows.MaintenanceWindow);
        ASSERT_NE(window, nullptr);
    }
    std::string Path(const std::string& name = "1301d.KDT") const { return dir.File(name); }
    void Write(const std::vector<QuoteRecord>& records, const std::string& name = "1301d.KDT") {
        WriteBytes(Path(name), BytesOf(records));
    }
    std::string Bytes(const std::string& name = "1301d.KDT") const { return ReadBytes(Path(name)); }

    // Lists the folder's files in the data-file grid and picks `name`
    // there; with `load` it is double-clicked, which loads it.
    void Choose(const std::string& name = "1301d.KDT", bool load = true) {
        form->FillDataFileList(dir.Path());
        FlexGrid* grid = form->MSFGrid1;
        for (int row = 1; row < grid->Rows(); ++row) {
            if (grid->TextMatrix(row, 4) != name) continue;
            grid->SetRow(row);
            emit grid->MouseDown(1, 0, 100.0, 300.0);
            if (load) emit grid->DblClick();
            return;
        }
        ADD_FAILURE() << name << " is not listed";
    }
    void Load(const std::vector<QuoteRecord>& records, const std::string& name = "1301d.KDT") {
        Write(records, name);
        Choose(name);
    }

    // The grid.
    FlexGrid& Grid() const { return *window->FGrid1; }
    std::string Cell(int row, int col) const { return Grid().TextMatrix(row, col); }
    std::vector<std::string> RowTexts(int row, int lastCol = 8) const {
        std::vector<std::string> texts;
        for (int c = 0; c <= lastCol; ++c) texts.push_back(Cell(row, c));
        return texts;
    }
    // A click on a cell, as the grid reports it: the press makes it current.
    void ClickCell(int row, int col) {
        Grid().SetRow(row);
        Grid().SetCol(col);
        emit Grid().MouseDown(1, 0, 100.0, 100.0);
        emit Grid().Click();
    }

    // The cell editor.
    TextBox& Editor() const { return *window->Text1; }
    void Type(const char* keys) { QTest::keyClicks(&Editor(), keys); }
    void Enter() { QTest::keyClick(&Editor(), Qt::Key_Return); }
    void TypeAndEnter(const char* keys) {
        Editor().clear();
        Type(keys);
        Enter();
    }
    int Beeps() { return messages->beeps; }

    FixedClock clock{Date{2024, 5, 10}};
    ScopedRecordingPopupMenus popups;
    Form2* window = nullptr;
};

}  // namespace ranvik::test
