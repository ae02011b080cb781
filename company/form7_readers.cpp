// Form7's indicator panels and what the page readers show: the readers work
// on the page files and return texts, which this file puts into the labels,
// the grid and the charts.
#include <QGroupBox>
#include <QLabel>

#include "collect/page_text.h"
#include "company/form7.h"
#include "company/indicator_page.h"
#include "company/results_pages.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/color/color.h"
#include "platform/color/qt_color.h"
#include "platform/ui/chart_control.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

constexpr int kRowHeight = 230;
constexpr int kFirstRowTop = 260;

void SetText(QLabel* label, const std::string& text) { label->setText(QString::fromStdString(text)); }

// A caption and its value label on one row of a panel.
QLabel* AddValueRow(QGroupBox* frame, const char* valueName, const char* caption, const char* tip, int left,
                    int captionWidth, int valueWidth, int row) {
    const int top = kFirstRowTop + row * kRowHeight;
    auto* label = new QLabel(QString::fromUtf8(caption), frame);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (tip != nullptr) label->setToolTip(QString::fromUtf8(tip));
    MoveTwips(label, left, top, captionWidth, kRowHeight);
    auto* value = new QLabel(frame);
    value->setObjectName(valueName);
    MoveTwips(value, left + captionWidth + 60, top, valueWidth, kRowHeight);
    return value;
}

std::optional<PageText> LoadPage(const std::string& path) { return PageText::Load(path); }

const PageText* Page(const std::optional<PageText>& page) { return page ? &*page : nullptr; }

void ShowTexts(ChartControl* chart, const ChartTexts& texts) {
    if (texts.title) chart->SetTitle(*texts.title);
    if (texts.rowLabel1) {
        chart->SetRow(1);
        chart->SetRowLabel(*texts.rowLabel1);
    }
    for (int k = 1; k <= 5; ++k) {
        if (!texts.columnLabels[k - 1]) continue;
        chart->SetColumn(k);
        chart->SetColumnLabel(*texts.columnLabels[k - 1]);
    }
    for (std::size_t r = 0; r < texts.values.size(); ++r) {
        for (int k = 1; k <= 5; ++k) {
            chart->SetRow(static_cast<int>(r) + 1);
            chart->SetColumn(k);
            chart->SetData(texts.values[r][k - 1]);
        }
    }
    if (texts.legend) chart->SetShowLegend(true);
}

}  // namespace

void Form7::BuildPanelLabels() {
    Label15 = AddValueRow(Frame1, "Label15", "ＰＥＲ(予想)：",
                          "株価収益率(株価÷１株当りの利益)。利益に対する評価度合。１０～１５倍が買い目か。", 60, 1700,
                          900, 0);
    Label7 = AddValueRow(Frame1, "Label7", "配当利回り(予想)：", nullptr, 60, 1700, 900, 1);
    Label12 = AddValueRow(Frame1, "Label12", "ＰＢＲ(実績)：",
                          "株価純資産倍率(株価÷純資産)。PBR=1が企業価値の基準。１以下は評価が低い。", 60, 1700, 900, 2);
    Label16 = AddValueRow(Frame1, "Label16", "ＲＯＥ(予想)：",
                          "株主資本利益率(当期純利益÷株主資本)。10％以上を目標に経営される。5％未満は失格", 60, 1700,
                          900, 3);
    Label11 = AddValueRow(Frame1, "Label11", "株式益回り(予想)：", "1株当たりの年間の最終利益金額÷株価", 60, 1700, 900,
                          4);
    Label3 = AddValueRow(Frame1, "Label3", "１株配当：", nullptr, 2760, 900, 1080, 0);
    Label4 = AddValueRow(Frame1, "Label4", "１株利益：", nullptr, 2760, 900, 1080, 1);
    Label8 = AddValueRow(Frame1, "Label8", "１株純資産：", nullptr, 2760, 900, 1080, 2);
    Label19 = AddValueRow(Frame2, "Label19", "１株配当：", nullptr, 60, 900, 1600, 0);
    Label20 = AddValueRow(Frame2, "Label20", "１株利益：", nullptr, 60, 900, 1600, 1);
    Label21 = AddValueRow(Frame3, "Label21", "1株配当：", nullptr, 60, 900, 1600, 0);
}

void Form7::ParseQuoteIndicators() {
    auto& f = fields_;
    const auto page = LoadPage(Program().download.PageFile2);
    IndicatorPageInput input;
    input.maximized = Maximized();
    input.stockTitle = StockTitle(Program().selection.CurrentName);
    input.priceLine = f.PriceLine;
    input.savedPriceLine = f.SavedPriceLine;
    const QuoteIndicators q = ranvik::ParseQuoteIndicators(Page(page), input);
    SetText(Label15, q.Label15);
    SetText(Label7, q.Label7);
    SetText(Label12, q.Label12);
    SetText(Label16, q.Label16);
    SetText(Label11, q.Label11);
    f.IndexMarks = q.IndexMarks;
    f.BenefitMark = q.BenefitMark;
    f.PriceLine = q.PriceLine;
    f.SavedPriceLine = q.SavedPriceLine;
    if (q.Label17) {
        SetText(Label17, *q.Label17);
        Label17->adjustSize();
    }
    if (q.Label18) {
        SetLeft(Label18, LeftOf(Label17) + WidthOf(Label17) + 10);
        QPalette palette = Label18->palette();
        palette.setColor(QPalette::WindowText, ToQColor(QBColor(13)));
        Label18->setPalette(palette);
        SetText(Label18, *q.Label18);
        Label18->adjustSize();
    }
    Frame1->show();
}

void Form7::ParseAnnualResults() {
    const auto page = LoadPage(Program().download.PageFile1);
    const AnnualResults r = ranvik::ParseAnnualResults(Page(page));
    SetText(Label3, r.Label3);
    SetText(Label4, r.Label4);
    SetText(Label8, r.Label8);
    Frame1->setTitle(QString::fromStdString(r.Frame1Caption));
    WriteResultsGrid(r.grid, [this](int row, int column, const std::string& text) {
        MSFGrid1->SetTextMatrix(row, column, text);
    });
    ShowTexts(MSChart[1], r.MSChart1);
    ShowTexts(MSChart[2], r.MSChart2);
    ShowTexts(MSChart[3], r.MSChart3);
    ShowTexts(MSChart[5], r.MSChart5);
    if (r.unitDivisor) fields_.UnitDivisor = static_cast<std::int16_t>(*r.unitDivisor);
    for (int no : {1, 2, 3, 5}) MSChart[no]->show();
    // The grid is shown only while the results-data item has its mark.
    if (MDIForm1* main = Program().windows.MainForm; main != nullptr && main->Item("mnu会社Item", 1).Checked()) {
        MSFGrid1->show();
    }
    ParseInterimResults();
    ParseDividendPerShare();
}

void Form7::ParseInterimResults() {
    const auto page = LoadPage(Program().download.PageFile1);
    const InterimResults r = ranvik::ParseInterimResults(Page(page));
    SetText(Label19, r.Label19);
    SetText(Label20, r.Label20);
    Frame2->setTitle(QString::fromStdString(r.Frame2Caption));
    ShowTexts(MSChart[4], r.MSChart4);
    if (r.unitDivisor) fields_.UnitDivisor = static_cast<std::int16_t>(*r.unitDivisor);
    MSChart[4]->show();
    Frame2->show();
}

void Form7::ParseDividendPerShare() {
    const auto page = LoadPage(Program().download.PageFile3);
    SetText(Label21, ranvik::ParseDividendPerShare(Page(page)));
    Frame3->show();
}

}  // namespace ranvik
