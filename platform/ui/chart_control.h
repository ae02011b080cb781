#pragma once
// The chart control of the company results window, drawn by Qt Charts.  A
// chart holds a data grid of rows and columns counted from 1: the rows are
// the categories along the horizontal axis (their labels stand under it) and
// the columns are the series (their labels stand in the legend).  The window
// chooses a data point by Row and Column, sets its value as a text and reads
// it back as a number; the labels, the title and the legend are texts and
// switches of the chart.
//
// The model is what the windows and the tests read; the picture follows it.
// Every change marks the picture stale and it is rebuilt once, before the
// chart is next painted (or at Refresh), so filling a grid point by point
// costs one rebuild.  A row or column number outside the grid is ignored by
// the setters, and the getters give an empty label or 0 for it.
#include <string>
#include <vector>

#include <QWidget>

#include "platform/color/color.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace ranvik {

// How the grid is drawn.  Bars: one group of bars per row, a bar per
// column.  Lines: one line per row running across the columns, for ratios
// measured period by period.
enum class ChartKind { Bars, Lines };

class ChartControl : public QWidget {
    Q_OBJECT
public:
    explicit ChartControl(QWidget* parent = nullptr);

    // Shape of the data grid.  New points are 0 with empty labels; points
    // that stay keep their values and labels.  Counts below 1 become 1.
    int RowCount() const { return static_cast<int>(rowLabels_.size()); }
    void SetRowCount(int rows);
    int ColumnCount() const { return static_cast<int>(columnLabels_.size()); }
    void SetColumnCount(int columns);

    // The current data point (1-based); values outside the grid are ignored.
    int Row() const { return row_; }
    void SetRow(int row);
    int Column() const { return column_; }
    void SetColumn(int column);

    // The current point's value.  The text is a number in the usual
    // notation, exponent form included ("1.234568E+07"); a text that does
    // not read as a number as a whole stores 0.
    void SetData(const std::string& text);
    double Data() const { return DataAt(row_, column_); }
    double DataAt(int row, int column) const;

    // Labels of the current row and column.
    void SetRowLabel(const std::string& label);
    std::string RowLabel() const { return RowLabelAt(row_); }
    std::string RowLabelAt(int row) const;
    void SetColumnLabel(const std::string& label);
    std::string ColumnLabel() const { return ColumnLabelAt(column_); }
    std::string ColumnLabelAt(int column) const;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    bool ShowLegend() const { return showLegend_; }
    void SetShowLegend(bool show);

    // Drawing choices of the window's design.
    ChartKind Kind() const { return kind_; }
    void SetKind(ChartKind kind);
    // Colour of the bars or the line of a column (Bars) or row (Lines),
    // counted from 1; series without a colour of their own take the chart
    // theme's.
    void SetSeriesColor(int series, Color color);

    // Rebuilds the picture now if the model changed since the last build.
    void Refresh();
    // The picture (tests look at what it was built from).
    QChart* Chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool Inside(int row, int column) const;
    void MarkStale();
    void Rebuild();

    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    std::vector<std::vector<double>> values_;  // [row - 1][column - 1]
    std::vector<std::string> rowLabels_;
    std::vector<std::string> columnLabels_;
    std::vector<Color> seriesColors_;
    std::vector<bool> seriesColored_;
    int row_ = 1;
    int column_ = 1;
    std::string title_;
    bool showLegend_ = false;
    ChartKind kind_ = ChartKind::Bars;
    bool stale_ = true;
};

}  // namespace ranvik
