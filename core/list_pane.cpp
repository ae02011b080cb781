#include "core/list_pane.h"

#include <algorithm>

#include "core/data_store.h"
#include "core/program_state.h"
#include "core/stock_list.h"
#include "platform/lists/list_table.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

constexpr int kListCols = 4;
constexpr int kFileCols = 5;

Color CellColour(int number) { return number == kButtonFace ? ButtonFaceColor() : QBColor(number); }

void ShowListMessage(const std::string& text) {
    ShowMessage(text, std::string(kMainWindowTitle), MessageIcon::Exclamation, MessageButtons::Ok);
}

void WriteRow(FlexGrid& grid, int row, const StockListRow& r) {
    for (int c = 0; c < kListCols; ++c) grid.SetTextMatrix(row, c, r.cells[static_cast<size_t>(c)]);
    grid.SetCellBackColorAt(row, 0, CellColour(r.codeBack));
    grid.SetCellForeColorAt(row, 0, QBColor(r.codeFore));
    grid.SetCellForeColorAt(row, 1, QBColor(r.nameFore));
    if (r.plain) {
        grid.SetCellForeColorAt(row, 2, QBColor(0));
        grid.SetCellForeColorAt(row, 3, QBColor(0));
    }
}

// Rows from `from` to the last: empty cells, the code cell on the button face.
void BlankListRows(FlexGrid& grid, int from) {
    for (int row = std::max(from, 1); row < grid.Rows(); ++row) {
        for (int c = 0; c < kListCols; ++c) grid.SetTextMatrix(row, c, "");
        grid.SetCellBackColorAt(row, 0, ButtonFaceColor());
    }
}

void LayOutListGrid(FlexGrid& grid, int rows) {
    grid.SetCols(kListCols);
    grid.SetFixedCols(0);
    grid.SetRows(std::max(rows, 1));
    grid.SetFixedRows(1);
    const int widths[kListCols] = {450, 5000, 500, 500};
    for (int c = 0; c < kListCols; ++c) grid.SetColWidth(c, widths[c]);
    grid.SetRowHeight(0, 250);
    grid.SetColAlignment(0, kFlexAlignCenterCenter);
    grid.SetColAlignment(1, kFlexAlignLeftCenter);
    grid.SetColAlignment(2, kFlexAlignCenterCenter);
    const char* titles[kListCols] = {"ｺｰﾄﾞ", "　　     銘柄", "市場", "売買"};
    for (int c = 0; c < kListCols; ++c) grid.SetTextMatrix(0, c, titles[c]);
}

void SetChooserText(QComboBox& chooser, const std::string& text) {
    chooser.setCurrentIndex(chooser.findText(QString::fromStdString(text)));
}

}  // namespace

ListPane::ListPane(QWidget* parent)
    : QWidget(parent),
      MSFGrid1(new FlexGrid(this)),
      Combo1(new QComboBox(this)),
      Frame26(new QFrame(this)),
      Combo3(new QComboBox(Frame26)),
      MSF全Grid2(new FlexGrid(this)) {
    // Places with both grids shown; the main window moves them for its
    // other arrangements.
    MoveTwips(MSFGrid1, 0, 60, 2290, 1900);
    MoveTwips(Combo1, 0, 2070, 1500, 315);
    MoveTwips(Frame26, 0, 2060, 2290, 400);
    MoveTwips(Combo3, 60, 40, 2100, 315);
    MoveTwips(MSF全Grid2, 0, 2460, 2290, 4000);
    Frame26->hide();
    Combo3->setEditable(true);
    for (auto choice : kListChoices) Combo1->addItem(QString::fromUtf8(choice.data(), static_cast<int>(choice.size())));
    // Only a pick by the user runs the handler; the program setting the
    // chooser's text runs nothing.
    connect(Combo1, &QComboBox::activated, this, [this](int) { Combo1_Click(); });
}

void ListPane::Combo1_Click() {
    const std::string choice = Combo1->currentText().toStdString();
    if (choice == kSearchChoice) {
        if (Frame26->isHidden()) {
            SetTop(Frame26, TopOf(Combo1) - 10);
            Frame26->show();
        }
        Combo3->setFocus();
        return;
    }
    if (ClearListHighlight) ClearListHighlight();
    try {
        BuildStockList(*MSF全Grid2, Program().app.AppDir, *Combo1);
    } catch (const FileError&) {
        // The table could be found but not read: say so rather than end the
        // program; the grid keeps what the fill got to.
        ShowListMessage("<" + Combo1->currentText().toStdString() + "> --- 銘柄リストを読めません");
    }
    Program().lists.CurrentListTable = Combo1->currentText().toStdString();
    MSF全Grid2->SetRow(0);
    if (ResetSearch) ResetSearch();
    if (FocusToolbar) FocusToolbar();
}

void BuildStockList(FlexGrid& grid, const std::string& folder, QComboBox& chooser) {
    const auto choice = FindListChoice(chooser.currentText().toStdString());
    if (!choice) return;
    const std::string file(choice->tableFile);
    if (FileExistsIn(file, folder) == 0) {
        ShowListMessage(Message053(file));
        SetChooserText(chooser, Program().lists.CurrentListTable);
        return;
    }
    ListTable table(JoinPath(folder, file));
    const ListEntry header = table.Header();
    if (header.Section >= kRefusedTableCheck) {
        ShowListMessage(Message030(file));
        BlankListRows(grid, 1);
        return;
    }

    const int last = static_cast<int>(table.LastRecord(header));
    std::vector<ListEntry> records;
    for (int k = 2; k <= last; ++k) {
        ListEntry e = table.Read(k);
        if (!choice->otherOnly || ShownInOther(e)) records.push_back(std::move(e));
    }
    table.Close();

    // Every-record choices end with one blank row; "その他" has none.
    const int rows = choice->otherOnly ? 1 + static_cast<int>(records.size()) : std::max(last, 1) + 1;
    LayOutListGrid(grid, rows);

    int row = 1;
    if (choice->style == ListRowStyle::Plain) {
        for (const auto& e : records) AddStockListRow(grid, row, e);
    } else {
        GroupedRowBuilder builder;
        for (const auto& e : records) WriteRow(grid, row++, builder.Next(e));
    }
    BlankListRows(grid, row);
    grid.SetTopRow(1);
}

void AddStockListRow(FlexGrid& grid, int& row, const ListEntry& entry) {
    WriteRow(grid, row, PlainStockListRow(entry));
    ++row;
}

void GetMarketLabel(const FlexGrid& grid) {
    Program().selection.MarketLabelText = MarketLabelOf(grid.TextMatrix(grid.Row(), 2));
}

void LayOutDataFileGrid(FlexGrid& grid, const std::string& folder) {
    SetHeight(&grid, 1900);
    grid.SetCols(kFileCols);
    grid.SetFixedCols(0);
    grid.SetRows(std::max(CountDataFiles(folder), 12) + 2);
    grid.SetFixedRows(1);
    const int widths[kFileCols] = {10, 3200, 500, 500, 1000};
    for (int c = 0; c < kFileCols; ++c) grid.SetColWidth(c, widths[c]);
    const char* titles[kFileCols] = {"", "　 マイファイル銘柄 ", "市場", "売買", " ファイル名"};
    for (int c = 0; c < kFileCols; ++c) grid.SetTextMatrix(0, c, titles[c]);
}

void FillDataFileList(FlexGrid& grid, const std::string& folder) {
    if (grid.Cols() < kFileCols) grid.SetCols(kFileCols);
    for (int row = 1; row < grid.Rows(); ++row)
        for (int c = 1; c < kFileCols; ++c) grid.SetTextMatrix(row, c, "");
    grid.SetColAlignment(1, kFlexAlignLeftCenter);
    grid.SetColAlignment(2, kFlexAlignCenterCenter);

    std::vector<DataFileRow> rows = ListDataFileRows(folder, Program().app.AdminMode == kTrue);
    // Sized before the names go in, so a folder that gained files since the
    // grid was laid out still shows every one of them.
    grid.SetRows(static_cast<int>(rows.size()) + 2);
    auto write = [&](bool all) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            grid.SetTextMatrix(row, 1, rows[i].name);
            grid.SetTextMatrix(row, 4, rows[i].file);
            if (all) {
                grid.SetTextMatrix(row, 2, rows[i].market);
                grid.SetTextMatrix(row, 3, rows[i].unit);
            }
        }
    };
    write(false);

    const std::string table(kAllStocksTable);
    if (FileExistsIn(table, folder) == 0) {
        ShowListMessage(Message052());
        return;
    }
    LookUpDataFileRows(rows, JoinPath(folder, table));
    write(true);
    grid.SetRow(0);
    grid.SetCol(1);
    grid.SetCellForeColor(QBColor(1));
}

}  // namespace ranvik
