#include "chart/kinds/kind_bars.h"

#include <cmath>

#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {
// The bytes of QuoteDate inside a record.
constexpr std::size_t kDateOffset = 28;
}  // namespace

int DateField(std::string_view field) {
    if (field.size() == 2 && field[0] >= '0' && field[0] <= '9' && field[1] >= '0' && field[1] <= '9') {
        return (field[0] - '0') * 10 + (field[1] - '0');
    }
    return static_cast<int>(Val(field));
}

int KindBar::Month() const { return DateField(std::string_view(date).substr(0, 2)); }
int KindBar::Day() const { return DateField(std::string_view(date).substr(3, 2)); }
int KindBar::Year2() const { return DateField(YearText()); }

bool KindBar::Drawable() const { return std::isfinite(v.Open) && std::isfinite(v.Close); }
bool KindBar::DrawableWithVolume() const { return Drawable() && std::isfinite(v.Volume); }

KindReader::KindReader(ChartHost& window, ChartFile& file1)
    : window_(window), file1_(file1), correction_(CorrectionOn(window)) {}

KindReader::~KindReader() {
    if (last_ < 1) return;
    QuoteRecord& a = Program().store.QuoteBufA;
    try {
        file1_.Read(last_, a);
    } catch (...) {
        return;
    }
    a.Open = lastValues_.Open;
    a.Close = lastValues_.Close;
    a.High = lastValues_.High;
    a.Low = lastValues_.Low;
    a.Volume = lastValues_.Volume;
    a.BuyBalance = lastValues_.BuyBalance;
    a.SellBalance = lastValues_.SellBalance;
}

KindBar KindReader::ReadRaw(std::int64_t r) {
    KindBar bar;
    const std::int64_t k = r - keptFrom_;
    if (keeping_ && k >= 0 && k < static_cast<std::int64_t>(kept_.size())) {
        const StoredBar& kept = kept_[static_cast<std::size_t>(k)];
        bar.v = kept.v;
        // As below: a date of the usual 8 bytes is copied with its length
        // known.
        if (kept.dateLength == sizeof kept.date) {
            bar.date.assign(kept.date, sizeof kept.date);
        } else {
            bar.date.assign(kept.date, kept.dateLength);
        }
    } else {
        const std::string_view bytes = file1_.Bytes(r);
        bar.v = ValuesOf(bytes);
        // Every record is whole here; the date's 8 bytes are copied as a
        // block of a known length, which costs a long walk far less than a
        // copy of a length found at run time.
        if (bytes.size() >= kDateOffset + 8) {
            bar.date.assign(bytes.data() + kDateOffset, 8);
        } else {
            bar.date = std::string(bytes.substr(kDateOffset, 8));
        }
        if (keeping_) {
            if (kept_.empty()) {
                keptFrom_ = r;
                // Room for the rest of the file at once: growing copies what
                // was kept.
                const std::int64_t rest = window_.Fields().RecordCount - r + 1;
                if (rest > 0) kept_.reserve(static_cast<std::size_t>(rest));
            }
            if (r == keptFrom_ + static_cast<std::int64_t>(kept_.size())) {
                StoredBar& kept = kept_.emplace_back();
                kept.v = bar.v;
                kept.dateLength = static_cast<std::uint8_t>(bar.date.copy(kept.date, sizeof kept.date));
            }
        }
    }
    last_ = r;
    lastValues_ = bar.v;
    return bar;
}

KindBar KindReader::Read(std::int64_t r, bool walk) {
    KindBar bar = ReadRaw(r);
    if (correction_) {
        ChartWindowState& f = window_.Fields();
        if (walk) AdvanceCorrection(f, r);
        CorrectBar(f, r, bar.v);
    }
    lastValues_ = bar.v;
    return bar;
}

bool IsActiveWindow(const ChartWindowState& f) { return f.WindowNo == Program().windows.ActiveWindowNo; }

void PrintAt(Surface& s, double x, double y, std::string_view text) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

int CompareYear(int year2) { return year2 > 60 ? 1900 + year2 : 2000 + year2; }

}  // namespace ranvik
