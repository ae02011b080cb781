#include "platform/ui/chart_control.h"

#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLineSeries>

namespace ranvik {
namespace {

TEST(ChartControl, FigureTextsReadBackAsNumbers) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12345.67", 12345.67},
        {"-12.34", -12.34},
        {"0", 0},
        {"1.234568E+07", 1.234568e7},  // large figures come in exponent form
        {"1.5E-05", 1.5e-5},
        {"7", 7},
        {"---", 0},   // not a number: the point holds 0
        {"", 0},
        {"12abc", 0},  // only a whole number counts
    };
    ChartControl chart;
    chart.SetRowCount(4);
    chart.SetColumnCount(5);
    for (const Case& c : cases) {
        chart.SetRow(3);
        chart.SetColumn(4);
        chart.SetData("99");
        chart.SetData(c.text);
        EXPECT_DOUBLE_EQ(chart.Data(), c.value) << "text \"" << c.text << "\"";
        EXPECT_DOUBLE_EQ(chart.DataAt(3, 4), c.value) << "text \"" << c.text << "\"";
    }
}

TEST(ChartControl, EveryPointOfSeveralGridSizesKeepsItsOwnValue) {
    for (auto [rows, columns] : {std::pair{1, 5}, std::pair{2, 5}, std::pair{4, 5}, std::pair{3, 1}}) {
        ChartControl chart;
        chart.SetRowCount(rows);
        chart.SetColumnCount(columns);
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                chart.SetRow(r);
                chart.SetColumn(c);
                chart.SetData(std::to_string(r * 10 + c));
            }
        }
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                EXPECT_DOUBLE_EQ(chart.DataAt(r, c), r * 10 + c) << rows << "x" << columns << " at " << r << "," << c;
            }
        }
        // Outside the grid: nothing is set, nothing is read.
        chart.SetRow(rows + 1);
        chart.SetColumn(columns + 1);
        EXPECT_EQ(chart.Row(), rows);
        EXPECT_EQ(chart.Column(), columns);
        EXPECT_DOUBLE_EQ(chart.DataAt(rows + 1, 1), 0);
        EXPECT_DOUBLE_EQ(chart.DataAt(0, 1), 0);
        EXPECT_EQ(chart.RowLabelAt(rows + 1), "");
    }
}

TEST(ChartControl, ReshapingKeepsThePointsThatStay) {
    ChartControl chart;
    chart.SetRowCount(2);
    chart.SetColumnCount(2);
    chart.SetRow(2);
    chart.SetColumn(2);
    chart.SetData("5");
    chart.SetRowLabel("純資産");
    chart.SetRowCount(4);
    chart.SetColumnCount(5);
    EXPECT_DOUBLE_EQ(chart.DataAt(2, 2), 5);
    EXPECT_EQ(chart.RowLabelAt(2), "純資産");
    EXPECT_DOUBLE_EQ(chart.DataAt(4, 5), 0);
    chart.SetRowCount(1);
    EXPECT_EQ(chart.Row(), 1);  // the current row follows the grid down
    chart.SetRowCount(0);
    EXPECT_EQ(chart.RowCount(), 1);
}

TEST(ChartControl, LabelsTitleAndLegendReachThePicture) {
    ChartControl chart;
    chart.SetRowCount(4);
    chart.SetColumnCount(5);
    const char* rowLabels[] = {"経常収益", "営業利益", "経常利益", "当期利益"};
    for (int r = 1; r <= 4; ++r) {
        chart.SetRow(r);
        chart.SetRowLabel(rowLabels[r - 1]);
    }
    for (int c = 1; c <= 5; ++c) {
        chart.SetColumn(c);
        chart.SetColumnLabel("2024.0" + std::to_string(c) + "(連)");
    }
    chart.SetRow(2);
    chart.SetColumn(3);
    chart.SetData("120.5");
    chart.SetTitle("損益計算書 (億円)");
    chart.SetShowLegend(true);
    EXPECT_EQ(chart.RowLabelAt(1), "経常収益");
    EXPECT_EQ(chart.ColumnLabelAt(5), "2024.05(連)");
    EXPECT_EQ(chart.Title(), "損益計算書 (億円)");
    EXPECT_TRUE(chart.ShowLegend());

    chart.Refresh();
    QChart* picture = chart.Chart();
    EXPECT_EQ(picture->title(), QString("損益計算書 (億円)"));
    EXPECT_TRUE(picture->legend()->isVisible());
    ASSERT_EQ(picture->series().size(), 1);
    auto* bars = qobject_cast<QBarSeries*>(picture->series().first());
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 5);  // a bar per column
    EXPECT_EQ(bars->barSets()[2]->label(), QString("2024.03(連)"));
    EXPECT_DOUBLE_EQ(bars->barSets()[2]->at(1), 120.5);
    auto* axis = qobject_cast<QBarCategoryAxis*>(picture->axes(Qt::Horizontal).first());
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->categories(), QStringList({"経常収益", "営業利益", "経常利益", "当期利益"}));

    chart.SetShowLegend(false);
    chart.Refresh();
    EXPECT_FALSE(picture->legend()->isVisible());
}

TEST(ChartControl, ALineChartRunsEachRowAcrossTheColumns) {
    ChartControl chart;
    chart.SetKind(ChartKind::Lines);
    chart.SetRowCount(1);
    chart.SetColumnCount(5);
    for (int c = 1; c <= 5; ++c) {
        chart.SetColumn(c);
        chart.SetData(std::to_string(c * 2));
    }
    chart.Refresh();
    ASSERT_EQ(chart.Chart()->series().size(), 1);
    auto* line = qobject_cast<QLineSeries*>(chart.Chart()->series().first());
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(line->count(), 5);
    EXPECT_DOUBLE_EQ(line->at(4).y(), 10);
    // Rebuilding twice leaves one series, not two.
    chart.SetData("3");
    chart.Refresh();
    EXPECT_EQ(chart.Chart()->series().size(), 1);
}

}  // namespace
}  // namespace ranvik
