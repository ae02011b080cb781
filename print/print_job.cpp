// The print job of one chart window.
#include "print/print_job.h"

#include <exception>

#include "chart/drawing/chart_file.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "print/printed_page.h"

namespace ranvik {

namespace {

const char* const kTitle = "印刷設定";

std::string PaperName(int code) {
    switch (code) {
        case 11: return "A5";
        case 13: return "B5";
        case 43: return "ﾊｶﾞｷ";
        default: return "A4";
    }
}

// PrintingNow stays -1 exactly as long as the job runs, however it ends.
class PrintingFlag {
public:
    explicit PrintingFlag(ChartWindowState& f) : f_(f) { f_.PrintingNow = kTrue; }
    ~PrintingFlag() { f_.PrintingNow = 0; }
    PrintingFlag(const PrintingFlag&) = delete;
    PrintingFlag& operator=(const PrintingFlag&) = delete;

private:
    ChartWindowState& f_;
};

}  // namespace

PrintCodes CodesOf(const PrintOptions& o) {
    PrintCodes c;
    c.colorMode = o.monochrome ? 1 : 2;
    c.orientation = o.landscape ? 2 : 1;
    c.paperSize = o.A5size ? 11 : o.B5size ? 13 : o.postcardSize ? 43 : 9;
    c.quality = o.fast ? -1 : o.fine ? -4 : -3;
    return c;
}

PrintOutcome PrintChart(ChartHost& w, Printer& printer, const PrintOptions& options) {
    if (w.CheckValue(1) == 0) return PrintOutcome::NotCandlestick;
    ChartWindowState& f = w.Fields();
    const PrintCodes c = CodesOf(options);
    std::string refused;
    if (!printer.SetPaperSize(c.paperSize)) {
        refused = std::string("用紙サイズ ").append(PaperName(c.paperSize));
    } else if (!printer.SetOrientation(c.orientation)) {
        refused = c.orientation == 2 ? "横印刷" : "縦印刷";
    } else if (!printer.SetColorMode(c.colorMode)) {
        refused = c.colorMode == 1 ? "ﾓﾉｸﾛ印刷" : "ｶﾗｰ印刷";
    } else if (!printer.SetPrintQuality(c.quality)) {
        refused = "印刷品質";
    }
    std::string cause;
    if (!refused.empty()) {
        cause = std::string("プリンタが「").append(refused).append("」を受け付けません");
    } else {
        PrintingFlag printing(f);
        ChartFile file1;
        try {
            file1.Open(f.DataFileName);
            PrintCandleChart(w, printer.Page(), printer.PaperSize(), printer.Orientation(), file1);
            file1.Close();
            if (!printer.EndDoc()) cause = "ページをプリンタに送れません";
        } catch (const PrintRefused& e) {
            cause = e.what();
            printer.KillDoc();
        } catch (const std::exception&) {
            cause = "株価データファイルを読めません";
            printer.KillDoc();
        }
        if (file1.IsOpen()) file1.Close();
    }
    if (cause.empty()) return PrintOutcome::Printed;
    std::string name = f.StockTitle.empty() ? f.DataFileName : f.StockTitle;
    ShowMessage(name + " は印刷できません。" + cause + "。", kTitle, MessageIcon::Exclamation);
    return PrintOutcome::Refused;
}

}  // namespace ranvik
