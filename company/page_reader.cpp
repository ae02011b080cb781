// The company pages' line reader, the results tables' conventions and the
// reader of a results table's head.
#include "company/page_reader.h"

#include "collect/quote_number.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

std::size_t FindIn(std::string_view line, std::string_view marker, std::size_t from) {
    return FindChars(line, marker, from < 1 ? 1 : from);
}

PageCursor::PageCursor(const PageText* page) : page_(page) {}

bool PageCursor::AtEnd() const {
    return page_ == nullptr || (!pending_ && next_ >= page_->Lines().size());
}

bool PageCursor::ReadLine() {
    if (AtEnd()) return false;
    if (pending_) {
        line_ = std::move(*pending_);
        pending_.reset();
    } else {
        line_ = page_->Lines()[next_];
    }
    ++next_;
    return true;
}

std::size_t PageCursor::Seek(std::string_view marker, std::size_t from) {
    if (const std::size_t at = FindIn(line_, marker, from); at > 0) return at;
    return Advance(marker);
}

std::size_t PageCursor::Advance(std::string_view marker) {
    while (ReadLine())
        if (const std::size_t at = FindIn(line_, marker); at > 0) return at;
    return 0;
}

void PageCursor::Rewind() {
    next_ = 0;
    pending_.reset();
    line_.clear();
}

std::size_t PageCursor::BytePosition() const {
    if (page_ == nullptr) return 1;
    if (pending_) return pendingByte_ + 1;
    if (next_ >= page_->Lines().size()) return page_->Bytes().size() + 1;
    return page_->LineStart(next_) + 1;
}

void PageCursor::MoveBack() {
    if (page_ == nullptr) return;
    // A page shorter than 128 bytes would put the position at byte 0, which
    // no file has: the reader starts from the first byte instead.
    std::size_t target = BytePosition() / 128;
    if (target < 1) target = 1;
    pending_.reset();
    if (auto tail = page_->LineFrom(target - 1)) {
        next_ = tail->first;
        pending_ = std::move(tail->second);
        pendingByte_ = target - 1;
    } else {
        next_ = page_->Lines().size();
    }
}

std::optional<std::string> ValueCellText(std::string_view line) {
    std::size_t end = 0;
    return ValueCellTextFrom(line, 1, end);
}

std::optional<std::string> ValueCellTextFrom(std::string_view line, std::size_t from, std::size_t& end) {
    const std::size_t open = FindIn(line, ">", from);
    if (open == 0) return std::nullopt;
    const std::size_t close = FindIn(line, "</td>", open + 1);
    if (close == 0) return std::nullopt;
    end = close;
    return MidChars(line, open + 1, close - open - 1);
}

Figure ReadFigure(std::string_view valueText) {
    std::string text(valueText);
    Figure figure;
    figure.numeric = NormalizeQuoteNumber(text);
    // Val reads narrow digits only; a figure is nearly always ASCII.
    figure.value = static_cast<float>(Val(IsAscii(text) ? text : ToNarrow(text)));
    return figure;
}

std::string FigureText(float value) { return NumberText(value); }

std::string TwoDecimals(double value) { return FormatNumber(value, "0.#0"); }

std::string FirstRowLabel(std::string_view line) {
    if (FindIn(line, "売上高") > 0) return "売上高";
    if (FindIn(line, "経常収益") > 0) return "経常収益";
    if (FindIn(line, "営業収益") > 0) return "営業収益";
    if (FindIn(line, "正味保険\xE6\x96") > 0) return "正味保険料";
    return "売上高";
}

std::string DividendWithChange(std::string_view text, float change) {
    std::string out(text);
    if (change > 0) {
        out.append("(+").append(TwoDecimals(change)).append(")");
    } else if (change == 0) {
        out.append("(-)");
    } else {
        out.append("(").append(TwoDecimals(change)).append(")");
    }
    out.append(" 円");
    return out;
}

std::string PeriodLabel(std::string_view period) {
    const std::size_t count = CharCount(period);
    return count == 0 ? std::string() : LeftChars(period, count - 1);
}

std::string PeriodChartLabel(std::string_view period) {
    const std::string label = PeriodLabel(period);
    const std::string_view last = period.substr(label.size());
    return label + (last.starts_with("\xE9\x80") ? "(連)" : "(単)");
}

bool ResultsHeader::AnyPeriod() const {
    for (const std::string& p : periods)
        if (!p.empty()) return true;
    return false;
}

namespace {

bool IsDigitText(std::string_view c) { return c.size() == 1 && c[0] >= '0' && c[0] <= '9'; }

// A period cell's text: seven characters, or eight when the seventh is a
// digit (2024.03連 against 2024.3連); empty unless it opens with a digit.
std::string PeriodOf(std::string_view cell) {
    const std::string head = LeftChars(cell, 8);
    if (!IsDigitText(LeftChars(head, 1))) return {};
    if (IsDigitText(MidChars(head, 7, 1))) return head;
    return LeftChars(head, 7);
}

}  // namespace

ResultsHeader ParseResultsHeader(PageCursor& page) {
    ResultsHeader head;
    const std::size_t unitAt = page.Advance("tableType01_unit");
    if (unitAt == 0) return head;
    if (const std::size_t span = FindIn(page.Line(), "<span>", unitAt); span > 0) {
        // The page writes a label of three characters (単位：) before the unit.
        std::string unit = MidChars(page.Line(), span + 6 + 3);
        if (const std::size_t lt = FindIn(unit, "<"); lt > 0) unit = LeftChars(unit, lt - 1);
        if (unit.starts_with("百万")) {
            head.unitLabel = "(億円)";
            head.unitDivisor = 100;
        } else {
            head.unitLabel = unit;
        }
    }
    if (page.Advance("決算期") == 0) return head;
    std::size_t td = page.Advance("<td");
    if (td == 0) return head;
    for (std::size_t k = 0; k < 5; ++k) {
        const std::size_t open = FindIn(page.Line(), ">", td);
        if (open > 0) head.periods[k] = PeriodOf(MidChars(page.Line(), open + 1));
        if (k == 4) break;
        td = open > 0 ? FindIn(page.Line(), "<td", open + 4) : 0;
        if (td == 0) {
            if (!page.ReadLine()) break;
            // A line without a cell of its own: its first ">" is taken.
            td = FindIn(page.Line(), "<td", 4);
            if (td == 0) td = 1;
        }
    }
    return head;
}

}  // namespace ranvik
