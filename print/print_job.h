#pragma once
// The print job of one chart window: the print settings turned into printer
// codes, the printed page drawn with the window's PrintingNow set, the
// document ended.  One page per job.
#include <string>

#include "chart/drawing/chart_host.h"
#include "platform/surface/printer.h"

namespace ranvik {

// The option buttons of the print settings window that the job reads.
struct PrintOptions {
    bool A4size = true, B5size = false, A5size = false, postcardSize = false;
    bool landscape = true, portrait = false;
    bool fine = false, normal = true, fast = false;
    bool colour = true, monochrome = false;
};

struct PrintCodes {
    int paperSize = 9;
    int orientation = 1;
    int colorMode = 2;
    int quality = -3;
    friend bool operator==(const PrintCodes&, const PrintCodes&) = default;
};

PrintCodes CodesOf(const PrintOptions& options);

// What the job did.
enum class PrintOutcome { NotCandlestick, Printed, Refused };

// The job of one window.  A setting the printer refuses, a page that cannot
// be drawn or a data file that cannot be read prints nothing for this
// window: the page is dropped, a message names the stock and the cause, and
// the window's PrintingNow is 0 again.
PrintOutcome PrintChart(ChartHost& window, Printer& printer, const PrintOptions& options);

}  // namespace ranvik
