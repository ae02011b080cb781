#pragma once
// Hand-made quote pages saved as a download leaves them: 株HTML.htm,
// 株HTML2.htm, ... in a test folder, named in PageFile1 to PageFile8.
#include <string>
#include <vector>

#include "core/program_state.h"
#include "tests/support/test_support.h"

namespace ranvik::test {

inline std::string PageFileName(const TempFolder& dir, std::size_t k) {
    return dir.File(k == 0 ? "株HTML.htm" : "株HTML" + std::to_string(k + 1) + ".htm");
}

// An empty text leaves its name empty.
inline void SetPages(const TempFolder& dir, const std::vector<std::string>& pages) {
    DownloadState& d = Program().download;
    std::string* names[] = {&d.PageFile1, &d.PageFile2, &d.PageFile3, &d.PageFile4,
                            &d.PageFile5, &d.PageFile6, &d.PageFile7, &d.PageFile8};
    for (std::string* name : names) name->clear();
    for (std::size_t k = 0; k < pages.size() && k < 8; ++k) {
        if (pages[k].empty()) continue;
        *names[k] = PageFileName(dir, k);
        WriteBytes(*names[k], pages[k]);
    }
}

// A stock data file of bars with the given dates, oldest first, each with a
// correction multiplier and a reserved value that no reader may touch.
inline QuoteRecord WeekBar(const std::string& date, float sell = 0, float buy = 0) {
    QuoteRecord bar;
    bar.QuoteDate = date;
    bar.Open = 1000;
    bar.High = 1100;
    bar.Low = 900;
    bar.Close = 1050;
    bar.Volume = 5000;
    bar.SellBalance = sell;
    bar.BuyBalance = buy;
    bar.CorrectionMultiplier = "x2";
    bar.Reserved = 7;
    return bar;
}

inline std::string DataFileOf(const std::vector<QuoteRecord>& bars) {
    QuoteRecord header;
    header.RecordNo = static_cast<std::int16_t>(bars.size() + 1);
    header.Low = 200000000.0f;
    std::string body;
    for (const QuoteRecord& bar : bars) {
        header.High = std::max(header.High, bar.High);
        header.Low = std::min(header.Low, bar.Low);
        header.Volume = std::max(header.Volume, bar.Volume);
        header.SellBalance = std::max(header.SellBalance, bar.SellBalance);
        header.BuyBalance = std::max(header.BuyBalance, bar.BuyBalance);
        body += bar.Encode();
    }
    return header.Encode() + body;
}

}  // namespace ranvik::test
