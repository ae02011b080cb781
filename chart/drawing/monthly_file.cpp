// The temporary monthly data file built from a window's data file.
#include "chart/drawing/monthly_file.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "chart/drawing/split_correction.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// The month being gathered.
struct Month {
    std::string date;
    float open = 0;
    float close = 0;
    float high = 0;
    float low = 0;
    float volume = 0;
    float buy = 0;
    float sell = 0;
    int k = 0;
    std::string mm;
};

Month StartMonth(const QuoteRecord& bar) {
    return {bar.QuoteDate, bar.Open, bar.Close, bar.High, bar.Low, bar.Volume, bar.BuyBalance, bar.SellBalance,
            1,             bar.QuoteDate.substr(0, 2)};
}

}  // namespace

std::int16_t WeeklyMonthWidth(int k) {
    if (k == 3) k = 4;
    const auto width = static_cast<std::int16_t>(7 * 2 * static_cast<int>(Fix(k / 2.0)));
    return width == 0 ? 14 : width;
}

void MakeMonthlyFile(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    StoreState& store = Program().store;
    const std::string folder = Program().app.AppDir;
    // 1.
    file1.Close();
    // 2.
    if (f.MonthlyFileName.empty()) {
        const std::string no = std::to_string(f.WindowNo);
        std::string name = "Temp" + no + "m.KDT";
        if (FileExistsIn(name, folder) == 1) name = "Temp" + no + no + "m.KDT";
        f.MonthlyFileName = name;
    }
    const std::string path = folder + f.MonthlyFileName;
    // 3, 4.
    CreateDataFile(path);
    RecordFile monthly;
    monthly.Open(path, QuoteRecord::kLength);
    ChartFile data;
    data.Open(f.DataFileName);
    // The months run from the first bar, whatever point the view has in
    // force; the view's state is put back afterwards.
    const bool correct = CorrectionOn(w);
    const std::int16_t savedRecord = f.CorrectionRecord;
    const float savedFactor = f.CorrectionFactor;
    if (correct && f.CorrectionFactors[0] > 1) SetPointInForce(f, 2);
    auto read = [&](std::int64_t r) -> QuoteRecord& {
        QuoteRecord& bar = data.Read(r, store.QuoteBufA);
        if (correct) ApplyCorrection(f, r, bar);
        return bar;
    };
    // 5.
    std::vector<QuoteRecord> months;
    Month m = StartMonth(read(2));
    // 6.
    for (std::int64_t r = 3; r <= f.RecordCount + 1; ++r) {
        const QuoteRecord& bar = read(r);
        if (r <= f.RecordCount && bar.QuoteDate.substr(0, 2) == m.mm) {
            m.close = bar.Close;
            m.high = std::max(m.high, bar.High);
            m.low = std::min(m.low, bar.Low);
            m.volume += bar.Volume;
            m.buy += bar.BuyBalance;
            m.sell += bar.SellBalance;
            ++m.k;
            continue;
        }
        QuoteRecord month;
        month.RecordNo = f.IsDaily != 0 ? 20 : WeeklyMonthWidth(m.k);
        month.CorrectionMultiplier = "";
        month.Open = m.open;
        month.Close = m.close;
        month.High = m.high;
        month.Low = m.low;
        month.QuoteDate = m.date;
        month.Volume = m.volume;
        month.BuyBalance = m.buy;
        month.SellBalance = m.sell;
        month.Reserved = 0;
        const Month next = StartMonth(bar);
        months.push_back(std::move(month));
        m = next;
    }
    // The months go into the file in date order, those of one date in the
    // order they were read: what merging each as it came would give, but a
    // file whose bars are out of order no longer costs every month a scan
    // back over all the months before it.
    std::vector<std::pair<DateKey, std::size_t>> order;
    order.reserve(months.size());
    for (std::size_t i = 0; i < months.size(); ++i) order.emplace_back(DateKeyOf(months[i].DateField()), i);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [key, i] : order) {
        store.QuoteBufB = months[i];
        MergeQuoteRecord(monthly);
    }
    f.CorrectionRecord = savedRecord;
    f.CorrectionFactor = savedFactor;
    // 7.
    data.Close();
    monthly.Close();
    file1.Open(f.DataFileName);
}

}  // namespace ranvik
