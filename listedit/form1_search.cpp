// The search frame: the key box and its button, the stock-table search and
// the text search, and the frame's looks.
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "listedit/key_search.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/label_button.h"
#include "platform/ui/menu_items.h"

namespace ranvik::listedit {

namespace {
constexpr const char* kSearchEnd = "900, 検索終了。   ";
}  // namespace

void Form1::検索BTN_Click() {
    // 1. The box keeps every key searched for, in the order first used.
    const QString key = Combo1->currentText();
    if (!(Combo1->count() == 0 && key.isEmpty()) && Combo1->findText(key, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        const QSignalBlocker block(Combo1);
        Combo1->addItem(key);
        Combo1->setEditText(key);
    }
    const int item = CheckedListItem();
    // 2.
    if (item >= 0 && item <= 4) {
        FindInStockTable();
        Combo1->setFocus();
        return;
    }
    // 3.
    if (item == 5 || item == 6) {
        const QString text = URLNEWStxt->toPlainText();
        const qsizetype at = TextSearchStart - 1 <= text.size() ? text.indexOf(key, TextSearchStart - 1) : -1;
        if (at >= 0) {
            QTextCursor cursor = URLNEWStxt->textCursor();
            cursor.setPosition(static_cast<int>(at));
            cursor.setPosition(static_cast<int>(at + key.size()), QTextCursor::KeepAnchor);
            URLNEWStxt->setTextCursor(cursor);
            URLNEWStxt->setFocus();
            TextSearchStart = static_cast<int>(at + 1 + key.size());
        } else {
            ShowMessage(kSearchEnd, std::string(kTitleBlank), MessageIcon::Exclamation);
            TextSearchStart = 1;
        }
    }
}

void Form1::FindInStockTable() {
    // A table that failed to open leaves the grid hidden with rows of no
    // list in it.
    if (!StockTableShown()) return;
    const SearchKey key = AnalyseKey(Combo1->currentText().toStdString());
    FindState state{FindRow, FindWrapped, FindWrapRow, FindStartRow};
    const FindResult found = FindNext(state, key, MSFGrid1->TopRow(), MSFGrid1->Rows() - 1, [this](int r) {
        return SearchRow{MSFGrid1->TextMatrix(r, 1), MSFGrid1->TextMatrix(r, 2), MSFGrid1->TextMatrix(r, 3),
                         MSFGrid1->TextMatrix(r, 4)};
    });
    FindRow = state.FindRow;
    FindWrapped = state.FindWrapped;
    FindWrapRow = state.FindWrapRow;
    FindStartRow = state.FindStartRow;
    if (!found.found) {
        ShowMessage(kSearchEnd, std::string(kTitleBlank), MessageIcon::Information);
        return;
    }
    MSFGrid1->SetTopRow(found.row);
    MSFGrid1->SetRow(found.row);
    MSFGrid1->SetCol(found.col);
    // A click on the code cell of the top data row: the found row is
    // selected as a press on it would select it.
    MSFGrid1_MouseDown(1, 0, 270, 330);
}

void Form1::Combo1_KeyDown(int keyCode, int) {
    if (keyCode != 13) return;
    検索BTN_Click();
    const int item = CheckedListItem();
    if (item != 5 && item != 6) Combo1->setFocus();
}

void Form1::Combo1_Change() {
    FindRow = 0;
    FindWrapped = 0;
}

void Form1::Combo1_Click() { Combo1_Change(); }

void Form1::検索BTN_MouseMove(int) { SetBackColor(検索BTN, QBColor(15)); }

void Form1::検索BTN_MouseDown() { SetBackColor(検索BTN, kButtonNormal); }

void Form1::Frame2_MouseMove() {
    SetBackColor(検索BTN, kButtonNormal);
    Picture1->raise();
}

void Form1::Picture1_MouseMove() {
    Picture2->move(Picture1->pos());
    Picture2->show();
    Picture2->raise();
}

void Form1::Picture2_Click() {
    if (mnuHenItem->Checked(0)) mnuHenItem_Click(0);
}

}  // namespace ranvik::listedit
