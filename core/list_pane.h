#pragma once
// The stock lists of the main window's list pane: the data-file grid
// `MSFGrid1`, the list chooser `Combo1`, the search frame `Frame26` with its
// search box `Combo3`, and the list grid `MSF全Grid2`, with the routines that
// fill the grids.  The main window embeds the pane, places its controls and
// connects the hooks through which a choice reaches the parts of the window
// that the pane does not own (the row highlight, the search, the focus).
#include <functional>
#include <string>

#include <QComboBox>
#include <QFrame>
#include <QWidget>

#include "platform/lists/list_entry.h"
#include "platform/ui/flex_grid.h"

namespace ranvik {

class ListPane : public QWidget {
    Q_OBJECT
public:
    explicit ListPane(QWidget* parent = nullptr);

    FlexGrid* MSFGrid1;     // data files of the program folder
    QComboBox* Combo1;      // list chooser; holds the choices from construction on
    QFrame* Frame26;        // search frame, shown while the chooser shows "検索"
    QComboBox* Combo3;      // search box
    FlexGrid* MSF全Grid2;  // the chosen stock list table

    // Filled in by the main window.
    std::function<void()> ClearListHighlight;  // remove the list grid's row highlight
    std::function<void()> ResetSearch;         // what a change of the search box does
    std::function<void()> FocusToolbar;        // give the toolbar strip the focus when visible

    // The chooser's handler: runs when the user picks a choice, and is called
    // by the start-up for the first table.
    void Combo1_Click();
};

// Fills the list grid from the table of the chooser's current choice in the
// folder.  A missing table shows 053 and puts the chooser back on the table
// shown before; a refused table shows 030 and leaves the grid without rows.
// FileError when the table cannot be read.
void BuildStockList(FlexGrid& grid, const std::string& folder, QComboBox& chooser);

// Writes a record into the row in plain style and moves the row on.
void AddStockListRow(FlexGrid& grid, int& row, const ListEntry& entry);

// Sets MarketLabelText from the market cell of the grid's current row.
void GetMarketLabel(const FlexGrid& grid);

// The data-file grid's layout as the start-up applies it: five columns, the
// titles, 1900 twips high, and a row for each stock data file of the folder
// (at least 12) plus two.
void LayOutDataFileGrid(FlexGrid& grid, const std::string& folder);

// Rebuilds the data-file grid from the folder's stock data files and the
// all-stocks table.  A missing table shows 052 and leaves the file names.
// FileError when the table cannot be read.
void FillDataFileList(FlexGrid& grid, const std::string& folder);

}  // namespace ranvik
