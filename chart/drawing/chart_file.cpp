// File number 1 of a draw, read in blocks.
#include "chart/drawing/chart_file.h"

#include <algorithm>

namespace ranvik {

namespace {

constexpr std::size_t kLength = QuoteRecord::kLength;
// A view reads a few hundred bars; the set-up walks the whole file, from
// either end.
constexpr std::int64_t kBlockRecords = 1024;

}  // namespace

void ChartFile::Open(const std::string& path) {
    DropBlock();
    file_.Open(path, kLength, FileAccess::ReadOnly);
}

void ChartFile::Close() {
    DropBlock();
    file_.Close();
}

void ChartFile::DropBlock() {
    block_.clear();
    first_ = 0;
    count_ = 0;
}

void ChartFile::Forget() {
    DropBlock();
    // The runtime's own read-ahead goes too: opened afresh.
    if (file_.IsOpen()) file_.Open(std::string(file_.Path()), kLength, FileAccess::ReadOnly);
}

std::int64_t ChartFile::RecordsHeld() { return file_.RecordCount(); }

std::optional<QuoteRecord> ChartFile::ReadHeader() {
    const std::optional<std::string> bytes = file_.ReadWhole(1);
    if (!bytes) return std::nullopt;
    return QuoteRecord::Decode(*bytes);
}

std::string_view ChartFile::Bytes(std::int64_t r) {
    if (r < first_ || r >= first_ + count_) {
        // Walking back through the file, the block ends at r.
        const bool backwards = count_ > 0 && r == first_ - 1;
        first_ = backwards ? std::max<std::int64_t>(1, r - kBlockRecords + 1) : r;
        count_ = backwards ? r - first_ + 1 : kBlockRecords;
        block_ = file_.ReadBlock(first_, count_);
    }
    return std::string_view(block_).substr(static_cast<std::size_t>(r - first_) * kLength, kLength);
}

QuoteRecord& ChartFile::Read(std::int64_t r, QuoteRecord& into) {
    into = QuoteRecord::Decode(Bytes(r));
    return into;
}

}  // namespace ranvik
