#include "platform/ui/chart_control.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/color/qt_color.h"
#include "platform/runtime/values.h"

namespace ranvik {

ChartControl::ChartControl(QWidget* parent) : QWidget(parent) {
    chart_ = new QChart;
    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    SetRowCount(1);
    SetColumnCount(1);
}

bool ChartControl::Inside(int row, int column) const {
    return row >= 1 && row <= RowCount() && column >= 1 && column <= ColumnCount();
}

void ChartControl::SetRowCount(int rows) {
    rows = std::max(rows, 1);
    rowLabels_.resize(rows);
    values_.resize(rows, std::vector<double>(columnLabels_.size(), 0.0));
    row_ = std::min(row_, rows);
    MarkStale();
}

void ChartControl::SetColumnCount(int columns) {
    columns = std::max(columns, 1);
    columnLabels_.resize(columns);
    for (auto& row : values_) row.resize(columns, 0.0);
    column_ = std::min(column_, columns);
    MarkStale();
}

void ChartControl::SetRow(int row) {
    if (row >= 1 && row <= RowCount()) row_ = row;
}

void ChartControl::SetColumn(int column) {
    if (column >= 1 && column <= ColumnCount()) column_ = column;
}

void ChartControl::SetData(const std::string& text) {
    if (!Inside(row_, column_)) return;
    double value = 0;
    if (IsNumeric(text)) {
        std::string plain = text;
        std::erase(plain, ',');
        value = Val(plain);
    }
    values_[row_ - 1][column_ - 1] = value;
    MarkStale();
}

double ChartControl::DataAt(int row, int column) const {
    return Inside(row, column) ? values_[row - 1][column - 1] : 0.0;
}

void ChartControl::SetRowLabel(const std::string& label) {
    rowLabels_[row_ - 1] = label;
    MarkStale();
}

std::string ChartControl::RowLabelAt(int row) const {
    return row >= 1 && row <= RowCount() ? rowLabels_[row - 1] : std::string();
}

void ChartControl::SetColumnLabel(const std::string& label) {
    columnLabels_[column_ - 1] = label;
    MarkStale();
}

std::string ChartControl::ColumnLabelAt(int column) const {
    return column >= 1 && column <= ColumnCount() ? columnLabels_[column - 1] : std::string();
}

void ChartControl::SetTitle(const std::string& title) {
    title_ = title;
    MarkStale();
}

void ChartControl::SetShowLegend(bool show) {
    showLegend_ = show;
    MarkStale();
}

void ChartControl::SetKind(ChartKind kind) {
    kind_ = kind;
    MarkStale();
}

void ChartControl::SetSeriesColor(int series, Color color) {
    if (series < 1) return;
    if (static_cast<int>(seriesColors_.size()) < series) {
        seriesColors_.resize(series);
        seriesColored_.resize(series, false);
    }
    seriesColors_[series - 1] = color;
    seriesColored_[series - 1] = true;
    MarkStale();
}

void ChartControl::MarkStale() {
    stale_ = true;
    update();
}

void ChartControl::Refresh() {
    if (stale_) Rebuild();
}

void ChartControl::paintEvent(QPaintEvent* event) {
    // Built here rather than at every point the window sets: a grid of
    // twenty points then costs one rebuild.
    Refresh();
    QWidget::paintEvent(event);
}

void ChartControl::Rebuild() {
    stale_ = false;
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    chart_->setTitle(QString::fromStdString(title_));
    chart_->legend()->setVisible(showLegend_);

    auto colorOf = [this](int series, auto apply) {
        if (series <= static_cast<int>(seriesColored_.size()) && seriesColored_[series - 1]) {
            apply(ToQColor(seriesColors_[series - 1]));
        }
    };
    double low = 0;
    double high = 0;
    for (const auto& row : values_) {
        for (double v : row) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    if (high == low) high = low + 1;

    QStringList categories;
    auto* axisY = new QValueAxis;
    axisY->setRange(low, high);
    axisY->applyNiceNumbers();
    auto* axisX = new QBarCategoryAxis;
    if (kind_ == ChartKind::Bars) {
        for (const auto& label : rowLabels_) categories << QString::fromStdString(label);
        auto* series = new QBarSeries;
        for (int c = 1; c <= ColumnCount(); ++c) {
            auto* set = new QBarSet(QString::fromStdString(columnLabels_[c - 1]));
            for (int r = 1; r <= RowCount(); ++r) *set << values_[r - 1][c - 1];
            colorOf(c, [set](const QColor& color) { set->setColor(color); });
            series->append(set);
        }
        chart_->addSeries(series);
        axisX->append(categories);
        chart_->addAxis(axisX, Qt::AlignBottom);
        chart_->addAxis(axisY, Qt::AlignLeft);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    } else {
        for (const auto& label : columnLabels_) categories << QString::fromStdString(label);
        axisX->append(categories);
        chart_->addAxis(axisX, Qt::AlignBottom);
        chart_->addAxis(axisY, Qt::AlignLeft);
        for (int r = 1; r <= RowCount(); ++r) {
            auto* series = new QLineSeries;
            series->setName(QString::fromStdString(rowLabels_[r - 1]));
            // A category axis places its n-th label at n + 0.5.
            for (int c = 1; c <= ColumnCount(); ++c) series->append(c - 0.5, values_[r - 1][c - 1]);
            colorOf(r, [series](const QColor& color) { series->setColor(color); });
            chart_->addSeries(series);
            series->attachAxis(axisX);
            series->attachAxis(axisY);
        }
    }
}

}  // namespace ranvik
