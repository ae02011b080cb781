// Choosing, opening and saving lists: the five stock list tables in the
// grid, the URL list and the topics list in the text box.
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>

#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "listedit/start_up.h"
#include "listedit/text_list.h"
#include "platform/lists/list_table.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/record_file.h"
#include "platform/runtime/text_file.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/menu_items.h"
#include "platform/ui/twips.h"

namespace ranvik::listedit {

namespace {

struct ListChoice {
    std::string_view file;
    std::string_view title;
};
// By the list item's index.
constexpr ListChoice kStockTables[5] = {
    {kAllStocksTable, "全銘柄リスト"},
    {kPrimeTable, "東証プライム銘柄リスト"},
    {kStandardTable, "東証スタンダード銘柄リスト"},
    {kGrowthTable, "東証グロース銘柄リスト"},
    {kNagoyaTable, "名証全銘柄リスト"},
};
constexpr std::string_view kUrlListTitle = "ＵＲＬリスト";
constexpr std::string_view kTopicsListTitle = "トピックスリスト";

bool IsStockTable(const std::string& fileName) {
    for (const ListChoice& t : kStockTables)
        if (fileName == t.file) return true;
    return false;
}

// The text box holds lines separated by one character; the file by CR LF.
QString BoxText(const std::string& crlf) {
    QString text = QString::fromStdString(crlf);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string FileText(const QString& box) {
    QString text = box;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

}  // namespace

void Form1::mnuMeigaraList_Click(int index) {
    const int open = CheckedListItem();
    for (int i = 0; i <= 6; ++i) mnuMeigaraList->SetChecked(i, false);
    for (int i = 2; i <= 6; ++i) mnuHenItem->SetEnabled(i, true);
    mnuMeigaraList->SetChecked(index, true);
    // As the open item (mnuFileItem 0) does.
    for (int i = 2; i <= 6; ++i) mnuHenItem->SetEnabled(i, true);
    if (!OpenList() && open >= 0) {
        // The list that stays open keeps the check mark: the search and
        // the next save read it.
        mnuMeigaraList->SetChecked(index, false);
        mnuMeigaraList->SetChecked(open, true);
    }
}

void Form1::mnuFileItem_Click(int index) {
    if (index == 0) {
        for (int i = 2; i <= 6; ++i) mnuHenItem->SetEnabled(i, true);
        OpenList();
    } else if (index == 1) {
        SaveCurrentList();
    }
}

bool Form1::OpenList() {
    const int item = CheckedListItem();
    if (item < 0) return true;
    // 1.
    if (AskSaveChanges() == 2) return false;
    // 2.
    ListModified = false;
    TextListModified = 0;
    mnuFileItem->SetEnabled(1, false);
    FindRow = 0;
    FindWrapped = 0;
    mnuHenItem->SetEnabled(0, true);
    MSFGrid1->hide();
    URLNEWStxt->hide();
    stockTableOpen_ = false;
    ListFileName.clear();
    // 3.
    if (item <= 4) {
        ListFileName = std::string(kStockTables[item].file);
        ListTitle = std::string(kStockTables[item].title);
        ShowStockTable();
        return true;
    }
    // 4.  The edit buttons work on the grid only.
    for (int i = 2; i <= 6; ++i) mnuHenItem->SetEnabled(i, false);
    NoStockTableShown();
    if (mnuHenItem->Checked(0)) mnuHenItem_Click(0);
    const bool urlList = item == 5;
    ListFileName = std::string(urlList ? kUrlListFile : kTopicsListFile);
    ListTitle = std::string(urlList ? kUrlListTitle : kTopicsListTitle);
    ListPath = Editor().AppDir + ListFileName;
    // 5.
    SetCaption(BaseCaption + " - " + ListTitle);
    // 6.
    if (FileExistsInAppDir(ListFileName) == 0) {
        ShowMessage("910. " + ListFileName + "が見つかりません", std::string(kTitle), MessageIcon::Exclamation);
        return true;
    }
    // 7.
    const std::optional<TextListContents> contents = ReadTextList(ListPath);
    if (!contents) {
        ShowMessage("<" + ListTitle + "> --- リストを読めません", std::string(kTitle), MessageIcon::Exclamation);
        return true;
    }
    textListAsRead_ = *contents;
    URLNEWStxt->show();
    URLNEWStxt->setPlainText(BoxText(contents->shown));
    TextListModified = 0;
    mnuFileItem->SetEnabled(1, false);
    return true;
}

void Form1::NoStockTableShown() {
    Frame3->hide();
    mnuHenItem->SetChecked(9, false);
    // Without a table in the grid the edit buttons would change rows the
    // user cannot see, and a save would write them over the open list.
    mnuHenItem->SetEnabled(9, false);
    if (SelectedRow != 0) NormalRowLook(SelectedRow);
    SelectedRow = 0;
    SelectedCol = 0;
}

void Form1::ShowStockTable() {
    // 1.
    if (FileExistsInAppDir(ListFileName) == 0) {
        ShowMessage("907. " + ListFileName + "が見つかりません", std::string(kTitle), MessageIcon::Exclamation);
        // The caption names the chosen list, not the one that is closed.
        SetCaption(BaseCaption + " - " + ListTitle);
        NoStockTableShown();
        return;
    }
    // 2.
    if (SelectedRow != 0) {
        NormalRowLook(SelectedRow);
        SelectedRow = 0;
    }
    // 3.
    Frame3->setTitle(QString::fromStdString(ListTitle + "編集ボタン"));
    Frame3->show();
    mnuHenItem->SetEnabled(9, true);
    mnuHenItem->SetChecked(9, true);
    // 4, 5.
    if (!mnuHenItem->Checked(0)) mnuHenItem_Click(0);
    SetCaption(BaseCaption + " - " + ListTitle);
    // 6 to 8.
    if (!LoadStockTable(*MSFGrid1, ListFileName)) {
        NoStockTableShown();
        return;
    }
    Combo1_Change();
    MSFGrid1->show();
    stockTableOpen_ = true;
}

bool Form1::LoadStockTable(FlexGrid& grid, const std::string& fileName) {
    StockTableCells cells;
    try {
        cells = LoadStockTableCells(Editor().AppDir + fileName);
    } catch (const FileError&) {
        ShowMessage("<" + ListTitle + "> --- 銘柄リストを読めません", std::string(kTitle), MessageIcon::Exclamation);
        return false;
    }
    const int n = cells.lastRecord;
    // 2, 3.
    grid.SetRows(n + 1);
    grid.SetColWidth(0, 5);
    grid.SetColWidth(1, 540);
    const int name = WidthOf(&grid) - 550 - 500 - 500 - 1000 - 320 - (Editor().AdminMode != kFalse ? 600 : 0);
    if (name > 0) grid.SetColWidth(2, name);
    grid.SetColWidth(3, 500);
    grid.SetColWidth(4, 500);
    grid.SetColWidth(5, 1000);
    grid.SetColWidth(6, 600);
    grid.SetColAlignment(1, kFlexAlignCenterCenter);
    grid.SetColAlignment(2, kFlexAlignLeftCenter);
    grid.SetColAlignment(3, kFlexAlignCenterCenter);
    grid.SetColAlignment(4, kFlexAlignCenterCenter);
    // 4.
    const char* headers[] = {"ｺｰﾄﾞ", "---------*---------*--銘柄---*---------*---------*--", "市場", "部",
                             " 売買単位", " UNI"};
    for (int c = 1; c <= 6; ++c) grid.SetTextMatrix(0, c, headers[c - 1]);
    grid.SetRow(0);
    grid.SetCol(1);
    // 5 to 7.
    for (int r = 1; r < n; ++r) {
        const StockRowTexts& row = cells.rows[static_cast<std::size_t>(r - 1)];
        for (int c = 1; c <= 6; ++c) grid.SetTextMatrix(r, c, row[static_cast<std::size_t>(c - 1)]);
    }
    for (int c = 1; c <= 6; ++c) grid.SetTextMatrix(n, c, "");
    // 8.
    grid.SetTopRow(1);
    grid.SetRow(n);
    if (cells.cutShort) {
        ShowMessage("<" + ListTitle + "> --- 銘柄リストが途中で切れています。読めた銘柄だけを表示します",
                    std::string(kTitle), MessageIcon::Exclamation);
    }
    return true;
}

std::int16_t Form1::AskSaveChanges() {
    if (!ListModified && TextListModified != -1) return 7;
    const MessageAnswer answer = ShowMessage("906, 内容が変更されています。保存しますか？", "Tamelo - " + ListTitle,
                                             MessageIcon::Exclamation, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Yes) return SaveCurrentList() ? 6 : 2;
    if (answer == MessageAnswer::No) return 7;
    return 2;
}

bool Form1::SaveCurrentList() {
    if (ListFileName.empty()) return true;
    return WriteCurrentList();
}

bool Form1::WriteCurrentList() {
    if (ListModified) {
        if (!WriteStockTable()) {
            ShowSaveFailure();
            return false;
        }
        ListModified = false;
    } else if (TextListModified == -1) {
        if (!WriteTextList()) {
            ShowSaveFailure();
            return false;
        }
        TextListModified = 0;
    }
    mnuFileItem->SetEnabled(1, false);
    FindWrapped = 0;
    SetCaption(Caption() + " - 保存完了");
    return true;
}

bool Form1::WriteStockTable() {
    if (!IsStockTable(ListFileName)) return false;
    std::vector<ListEntry> entries;
    const int rows = MSFGrid1->Rows();
    entries.reserve(static_cast<std::size_t>(std::max(0, rows - 2)));
    for (int r = 1; r <= rows - 2; ++r) {
        StockRowTexts row;
        for (int c = 1; c <= 6; ++c) row[static_cast<std::size_t>(c - 1)] = MSFGrid1->TextMatrix(r, c);
        entries.push_back(EntryFromRow(row));
    }
    try {
        WriteListEntries(Editor().AppDir + ListFileName, std::move(entries));
    } catch (const FileError&) {
        return false;
    }
    return true;
}

bool Form1::WriteTextList() {
    return ReplaceFileBytes(ListPath, TextListBytes(FileText(URLNEWStxt->toPlainText()), textListAsRead_));
}

void Form1::ShowSaveFailure() {
    ShowMessage("<" + ListTitle + "> --- 保存できませんでした。ファイルは元のままです", std::string(kTitle),
                MessageIcon::Exclamation);
}

void Form1::URLNEWStxt_Change() {
    TextListModified = -1;
    mnuFileItem->SetEnabled(1, true);
}

}  // namespace ranvik::listedit
