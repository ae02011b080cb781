#pragma once
// The grid control of the windows: rows and columns with fixed (title) rows
// and columns, a text per cell, per-cell colours and alignments, a current
// cell, column widths and row heights in twips, and the mouse and key events
// the windows handle.  Rows and columns count from 0, fixed ones included;
// TextMatrix(0, c) is the title of column c when FixedRows is 1.
//
// The current-cell properties work as the windows use them: set Row and Col,
// then read or set Text, CellBackColor, CellForeColor and CellAlignment of
// that cell.  The ...At(row, col) forms address a cell directly.  Reading a
// cell's colour gives the colour it shows (its own, else the grid's).
//
// Positions (RowPos, ColPos, CellLeft, CellTop, MouseDown's X and Y) are in
// twips within the grid's border.  A row or column number outside the grid is
// ignored by the setters and gives an empty text or the grid's colour.
//
// Events are Qt signals emitted synchronously, so a handler has finished when
// the action that raised it returns.  A left press on a scrolling cell makes
// it the current cell before MouseDown is emitted; presses on fixed cells and
// other buttons leave the current cell alone.  The second press of a double
// click raises DblClick instead of MouseDown; Click follows the release of a
// left press.
#include <string>
#include <string_view>
#include <vector>

#include <QLabel>
#include <QTableView>

#include "platform/ui/colors.h"
#include "platform/ui/flex_grid_model.h"

namespace ranvik {

enum FlexScrollBars : int {
    kFlexScrollNone = 0,
    kFlexScrollHorizontal = 1,
    kFlexScrollVertical = 2,
    kFlexScrollBoth = 3,
};

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    FlexGridModel* Model() const { return model_; }

    // Shape.  New rows and columns are empty; cells that stay keep their
    // texts and colours.
    int Rows() const { return model_->Rows(); }
    void SetRows(int rows);
    int Cols() const { return model_->Cols(); }
    void SetCols(int cols);
    int FixedRows() const { return model_->FixedRows(); }
    void SetFixedRows(int fixedRows);
    int FixedCols() const { return model_->FixedCols(); }
    void SetFixedCols(int fixedCols);

    // Redraw off: cell changes are not shown until it is turned on again,
    // which shows them all at once (for filling a large grid).
    bool Redraw() const { return !model_->Quiet(); }
    void SetRedraw(bool redraw) { model_->SetQuiet(!redraw); }

    std::string TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string_view text);
    // Empties every cell and drops every cell's own colours and alignment;
    // the shape, widths and heights stay.
    void Clear();

    // The current cell.
    int Row() const { return row_; }
    void SetRow(int row);
    int Col() const { return col_; }
    void SetCol(int col);
    std::string Text() const;
    void SetText(std::string_view text);
    Color CellBackColor() const;
    void SetCellBackColor(Color color);
    Color CellForeColor() const;
    void SetCellForeColor(Color color);
    int CellAlignment() const;
    void SetCellAlignment(int alignment);
    // Position and size of the current cell, in twips.
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const;
    int CellHeight() const;

    // Any cell.
    Color CellBackColorAt(int row, int col) const;
    void SetCellBackColorAt(int row, int col, Color color);
    Color CellForeColorAt(int row, int col) const;
    void SetCellForeColorAt(int row, int col, Color color);
    int CellAlignmentAt(int row, int col) const;
    void SetCellAlignmentAt(int row, int col, int alignment);

    int ColAlignment(int col) const { return model_->ColAlignment(col); }
    void SetColAlignment(int col, int alignment) { model_->SetColAlignment(col, alignment); }

    // Sizes in twips.  New rows take the default row height.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int twips);
    // Top of a row and left of a column as the grid shows them now: rows
    // scrolled out above the view lie above 0.
    int RowPos(int row) const;
    int ColPos(int col) const;

    // Grid colours: cells without their own colour show them.
    Color BackColor() const { return model_->Colors().back; }
    void SetBackColor(Color color);
    Color ForeColor() const { return model_->Colors().fore; }
    void SetForeColor(Color color);
    Color BackColorFixed() const { return model_->Colors().backFixed; }
    void SetBackColorFixed(Color color);
    Color ForeColorFixed() const { return model_->Colors().foreFixed; }
    void SetForeColorFixed(Color color);
    // The area beyond the last row and column.
    Color BackColorBkg() const { return backColorBkg_; }
    void SetBackColorBkg(Color color);

    // Scrolling: the first scrolling row and column shown.  TopRow is kept
    // within the last page, as far as the grid's size is known.
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int col);
    int ScrollBars() const { return scrollBars_; }
    void SetScrollBars(int scrollBars);
    // Scrolls as little as needed to bring the cell into view.
    void ShowCell(int row, int col) { EnsureVisible(row, col); }

    // The cell under the pointer at the last mouse event; -1 beyond the
    // last row or column.
    int MouseRow() const { return mouseRow_; }
    int MouseCol() const { return mouseCol_; }

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void Click();
    void DblClick();
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    // The current cell changed (by the mouse, the keys or the program).
    void RowColChange();
    void SelChange();
    // TopRow or LeftCol changed.
    void Scroll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void updateGeometries() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Hit {
        int row = -1;
        int col = -1;
        QPoint client;  // pixels within the border
    };
    Hit HitTest(QObject* source, const QPointF& position) const;
    void SetCurrentCell(int row, int col);
    void SyncCurrentIndex();
    void ApplyColumnSizes();
    void ApplyRowSizes();
    void ApplyFixedSizes();
    void UpdateCorner();
    int FixedHeightPx() const;
    int FixedWidthPx() const;
    int ColWidthPx(int col) const;
    int RowHeightPx(int row) const;
    QSize DataAreaPx() const;
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void SyncScrollBars();
    void OnVerticalScrolled(int value);
    void OnHorizontalScrolled(int value);
    void EnsureVisible(int row, int col);

    FlexGridModel* model_;
    QLabel* corner_ = nullptr;
    std::vector<int> colWidth_;   // twips
    std::vector<int> rowHeight_;  // twips; -1 the default
    int defaultRowHeight_ = 240;
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 0;
    int leftCol_ = 0;
    int scrollBars_ = kFlexScrollBoth;
    int mouseRow_ = -1;
    int mouseCol_ = -1;
    Color backColorBkg_ = RGB(128, 128, 128);
    bool syncingScroll_ = false;
    bool leftPressed_ = false;
    bool inDoubleClick_ = false;
};

}  // namespace ranvik
