// The chart window's side of the load requests: the selection taken over, a data file or a list stock chosen, and the draw.
#include "chart/window/form3.h"

#include <QLabel>
#include <QRadioButton>

#include "chart/drawing/redraw.h"
#include "collect/web_update.h"
#include "core/list_pane.h"
#include "core/main_window.h"
#include "platform/surface/screen_surface.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

MDIForm1* Main() { return Program().windows.MainForm; }


}  // namespace

void Form3::FG1Text6_Change() {
    const std::string code = FG1Text6.Text();
    // Clearing the box at the end runs this again, and it stops here.
    if (code.empty()) return;
    auto& f = fields_;
    const auto& selection = Program().selection;
    f.StockCode = selection.CurrentCode;
    f.StockMarket = selection.CurrentMarket;
    f.StockUnitText = selection.CurrentUnitText;
    f.StockCode4 = selection.CurrentCode;
    const bool draw = selection.ChartLoadMode == "d";
    if (code == "1") {
        mnu表示ボタン_Click(1);
    } else if (code == "2") {
        mnu表示ボタン_Click(2);
    } else if (code == "4") {
        SelectListStockFile();
        if (draw) ReloadChart();
    } else if (code == "5") {
        SelectListStockForWeb();
        if (draw) UpdateFromWeb();
    } else if (code == "11") {
        mnuChartItemeyc_Click(1);
    } else if (code == "12") {
        mnuChartItemeyc_Click(2);
    }
    FG1Text6.SetText("");
}

void Form3::SelectListStockFile() {
    auto& f = fields_;
    MDIForm1* main = Main();
    f.ChartShown = 0;
    const std::string name = main != nullptr ? Trim(main->MSFGrid1->TextMatrix(main->MSFGrid1->Row(), 4)) : "";
    f.DataFileName = Program().app.AppDir + name;
    Label20->hide();
    Label21->hide();
    Label10->hide();
    f.StockTitle = Program().selection.CurrentName + " ";
    Label1->setText(QString::fromStdString(f.StockTitle + f.StockUnitText));
    SetForeColor(Label1, RGB(0, 120, 255));
    StartBlink();
    f.StockSource = 1;
    // A row without a file name names no file: nothing is pending and
    // nothing is shown, where "" would otherwise count as the file already
    // on screen and later actions would open the folder as a file.
    if (name.empty()) {
        f.DataFileName.clear();
        StopBlink();
        return;
    }
    // The same file again, or the file whose split-corrected copy is on
    // screen: the chart shown already answers the request.
    const bool sameFile = f.ShownFileName == f.DataFileName;
    const bool correctedCopy = !sameFile && f.CorrectedSourceName == name;
    if (!sameFile && !correctedCopy) return;
    StopBlink();
    f.ChartShown = 1;
    ShowLabelsOfTheChartShown();
    MarkFileRowShown();
    // The copy's name is kept without its folder; the path is what the chart
    // shown was drawn from, so that the redraws go on using the copy.
    if (correctedCopy) f.DataFileName = JoinPath(Program().app.AppDir, f.CorrectedFileName);
}

void Form3::ReloadChart() {
    auto& f = fields_;
    f.WebPriceText.clear();
    f.WebPriceNote.clear();
    // The monthly file belongs to the file drawn before.
    if (!f.MonthlyFileName.empty()) {
        DeleteFile(JoinPath(Program().app.AppDir, f.MonthlyFileName));
        f.MonthlyFileName.clear();
    }
    f.CorrectedSourceName.clear();
    if (f.DataFileName.empty()) return;
    f.ShownCode = f.StockCode;
    ShowPartialView(*this);
}

void Form3::SelectListStockForWeb() {
    auto& f = fields_;
    MDIForm1* main = Main();
    if (main == nullptr) return;
    FlexGrid& grid = *main->MSF全Grid2;
    if (grid.TextMatrix(grid.Row(), 0).empty()) return;
    GetMarketLabel(grid);
    if (f.StockMarket == ".") return;
    Label20->hide();
    Label21->hide();
    Label10->hide();
    StartBlink();
    Program().collection.WebDataFetched = 0;
    f.StockSource = 2;
    f.StockTitle = Program().selection.MarketLabelText + Program().selection.CurrentName + " ";
    Label1->setText(QString::fromStdString(f.StockTitle + f.StockUnitText));
    // The same stock again: the chart shown already answers the request.
    if (Label12->text().toStdString() != f.StockTitle + f.StockUnitText || f.StockCode != f.ShownCode) return;
    StopBlink();
    f.ChartShown = 1;
    ShowLabelsOfTheChartShown();
    MarkListRowShown();
}

void Form3::ShowLabelsOfTheChartShown() {
    Label20->show();
    if (Item("mnuFuncExItem", 1).Checked()) Label21->show();
    if (!fields_.WebPriceText.empty()) Label10->show();
}

void Form3::MarkFileRowShown() {
    MDIForm1* main = Main();
    if (main == nullptr) return;
    main->MSFGrid1->SetCellBackColor(main->ImmediateDisplay() ? RGB(255, 120, 120) : RGB(120, 120, 255));
}

void Form3::MarkListRowShown() {
    MDIForm1* main = Main();
    if (main == nullptr) return;
    FlexGrid& grid = *main->MSF全Grid2;
    const Color colour = main->ImmediateDisplay() ? RGB(255, 80, 80) : RGB(80, 80, 255);
    for (int col : {0, 1}) grid.SetCellBackColorAt(grid.Row(), col, colour);
}

}  // namespace ranvik
