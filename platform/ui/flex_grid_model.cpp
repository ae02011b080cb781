#include "platform/ui/flex_grid_model.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <new>
#include <stdexcept>

#include <QBrush>

#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// Dropped texts are left in the block until there are at least this many
// characters of them: small grids never rewrite it.
constexpr std::size_t kCompactAfter = 64 * 1024;

Qt::Alignment QtAlignment(int alignment, std::string_view text) {
    switch (alignment) {
        case kFlexAlignLeftTop: return Qt::AlignLeft | Qt::AlignTop;
        case kFlexAlignLeftCenter: return Qt::AlignLeft | Qt::AlignVCenter;
        case kFlexAlignLeftBottom: return Qt::AlignLeft | Qt::AlignBottom;
        case kFlexAlignCenterTop: return Qt::AlignHCenter | Qt::AlignTop;
        case kFlexAlignCenterCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
        case kFlexAlignCenterBottom: return Qt::AlignHCenter | Qt::AlignBottom;
        case kFlexAlignRightTop: return Qt::AlignRight | Qt::AlignTop;
        case kFlexAlignRightCenter: return Qt::AlignRight | Qt::AlignVCenter;
        case kFlexAlignRightBottom: return Qt::AlignRight | Qt::AlignBottom;
        default:
            return (IsNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FlexGridModel::FlexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

bool FlexGridModel::Contains(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

void FlexGridModel::SetShape(int rows, int cols) {
    rows = std::max(0, rows);
    cols = std::max(0, cols);
    if (rows == rows_ && cols == cols_) return;
    const int fixedRows = std::min(fixedRows_, rows);
    const int fixedCols = std::min(fixedCols_, cols);
    auto rebuild = [&](int newRows, int newCols) {
        const int keptRows = std::min(rows_, newRows);
        const int keptCols = std::min(cols_, newCols);
        for (int r = 0; r < rows_; ++r) {
            for (int c = r < keptRows ? keptCols : 0; c < cols_; ++c) DropText(refs_[IndexOf(r, c)]);
        }
        if (newCols == cols_) {
            refs_.resize(static_cast<size_t>(newRows) * newCols);
        } else {
            std::vector<TextRef> refs(static_cast<size_t>(newRows) * newCols);
            for (int r = 0; r < keptRows; ++r) {
                std::copy_n(refs_.begin() + static_cast<std::ptrdiff_t>(IndexOf(r, 0)), keptCols,
                            refs.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(r) * newCols));
            }
            refs_ = std::move(refs);
        }
        std::erase_if(styles_, [&](const auto& entry) {
            const auto row = static_cast<int>(entry.first >> 32);
            const auto col = static_cast<int>(entry.first & 0xffffffffu);
            return row >= newRows || col >= newCols;
        });
        rows_ = newRows;
        cols_ = newCols;
        colAlignment_.resize(static_cast<size_t>(newCols), kFlexAlignGeneral);
        CompactTexts();
    };
    if (fixedRows != fixedRows_ || fixedCols != fixedCols_) {
        beginResetModel();
        rebuild(rows, cols);
        fixedRows_ = fixedRows;
        fixedCols_ = fixedCols;
        endResetModel();
        return;
    }
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_ - fixedRows_, rows - fixedRows_ - 1);
        rebuild(rows, cols_);
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows - fixedRows_, rows_ - fixedRows_ - 1);
        rebuild(rows, cols_);
        endRemoveRows();
    }
    if (cols > cols_) {
        beginInsertColumns(QModelIndex(), cols_ - fixedCols_, cols - fixedCols_ - 1);
        rebuild(rows_, cols);
        endInsertColumns();
    } else if (cols < cols_) {
        beginRemoveColumns(QModelIndex(), cols - fixedCols_, cols_ - fixedCols_ - 1);
        rebuild(rows_, cols);
        endRemoveColumns();
    }
}

void FlexGridModel::SetFixed(int fixedRows, int fixedCols) {
    fixedRows = std::clamp(fixedRows, 0, rows_);
    fixedCols = std::clamp(fixedCols, 0, cols_);
    if (fixedRows == fixedRows_ && fixedCols == fixedCols_) return;
    beginResetModel();
    fixedRows_ = fixedRows;
    fixedCols_ = fixedCols;
    endResetModel();
}

std::string_view FlexGridModel::Text(int row, int col) const {
    if (!Contains(row, col)) return {};
    const TextRef ref = refs_[IndexOf(row, col)];
    return ref == 0 ? std::string_view() : texts_.At(ref);
}

void FlexGridModel::SetText(int row, int col, std::string_view text) {
    if (!Contains(row, col) || Text(row, col) == text) return;
    TextRef& ref = refs_[IndexOf(row, col)];
    DropText(ref);
    ref = 0;
    if (!text.empty()) {
        if (texts_.Fits(text.size())) {
            ref = texts_.Add(text);
        } else {
            // The text may lie in the block that is about to be rewritten.
            const std::string copy(text);
            CompactTexts(true);
            if (!texts_.Fits(copy.size())) throw std::length_error("the grid's texts exceed what it can hold");
            ref = texts_.Add(copy);
        }
    }
    CompactTexts();
    CellChanged(row, col);
}

void FlexGridModel::DropText(TextRef ref) {
    if (ref != 0) deadChars_ += texts_.Footprint(ref);
}

void FlexGridModel::CompactTexts(bool always) {
    if (!always && (deadChars_ < kCompactAfter || deadChars_ < texts_.size() / 2)) return;
    TextBlock live;
    live.Reserve(texts_.size() - deadChars_);
    for (TextRef& ref : refs_) {
        if (ref != 0) ref = live.Add(texts_.At(ref));
    }
    texts_.Swap(live);
    deadChars_ = 0;
}

namespace {

// The longest length before a text: 32 bits, seven a byte.
constexpr std::size_t kMaxLengthBytes = 5;

}  // namespace

FlexGridModel::TextBlock::~TextBlock() { std::free(data_); }

bool FlexGridModel::TextBlock::Fits(std::size_t length) const {
    // Every text must start where a TextRef reaches; the first byte is
    // kept back, a TextRef of 0 being the empty text.
    constexpr std::size_t kMax = std::numeric_limits<TextRef>::max();
    return length <= kMax && size_ + 1 + kMaxLengthBytes <= kMax - length;
}

FlexGridModel::TextRef FlexGridModel::TextBlock::Add(std::string_view text) {
    if (!Fits(text.size())) throw std::length_error("the grid's texts exceed what it can hold");
    const std::size_t need = size_ + 1 + kMaxLengthBytes + text.size();
    if (need > capacity_) {
        // Growing may move the block, and `text` with it.
        const std::less<const char*> before;
        const bool inside = !before(text.data(), data_) && before(text.data(), data_ + size_);
        const std::size_t at = inside ? static_cast<std::size_t>(text.data() - data_) : 0;
        Reserve(std::max({need, 2 * capacity_, std::size_t{256}}));
        if (inside) text = std::string_view(data_ + at, text.size());
    }
    if (size_ == 0) data_[size_++] = 0;
    const auto ref = static_cast<TextRef>(size_);
    std::size_t length = text.size();
    do {
        const auto low = static_cast<unsigned char>(length & 0x7f);
        length >>= 7;
        data_[size_++] = static_cast<char>(length != 0 ? low | 0x80 : low);
    } while (length != 0);
    std::memcpy(data_ + size_, text.data(), text.size());
    size_ += text.size();
    return ref;
}

std::string_view FlexGridModel::TextBlock::At(TextRef ref) const {
    const char* p = data_ + ref;
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*p++);
        length |= static_cast<std::size_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) break;
    }
    return {p, length};
}

std::size_t FlexGridModel::TextBlock::Footprint(TextRef ref) const {
    const std::string_view text = At(ref);
    return static_cast<std::size_t>(text.data() + text.size() - (data_ + ref));
}

void FlexGridModel::TextBlock::Reserve(std::size_t bytes) {
    if (bytes <= capacity_) return;
    // realloc keeps the bytes; a block long enough to have pages of its own
    // is moved by the system without copying.
    char* grown = static_cast<char*>(std::realloc(data_, bytes));
    if (grown == nullptr) throw std::bad_alloc();
    data_ = grown;
    capacity_ = bytes;
}

void FlexGridModel::TextBlock::Swap(TextBlock& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
}

const FlexGridModel::CellStyle* FlexGridModel::StyleOf(int row, int col) const {
    if (styles_.empty() || !Contains(row, col)) return nullptr;
    const auto it = styles_.find(KeyOf(row, col));
    return it == styles_.end() ? nullptr : &it->second;
}

template <typename T>
bool FlexGridModel::SetStyle(int row, int col, std::optional<T> CellStyle::*part, std::optional<T> value) {
    if (!Contains(row, col)) return false;
    const auto it = styles_.find(KeyOf(row, col));
    if (it == styles_.end()) {
        if (!value) return false;
        styles_[KeyOf(row, col)].*part = value;
        return true;
    }
    if (it->second.*part == value) return false;
    it->second.*part = value;
    if (it->second.Empty()) styles_.erase(it);
    return true;
}

std::optional<Color> FlexGridModel::OwnBackColor(int row, int col) const {
    const CellStyle* style = StyleOf(row, col);
    return style ? style->back : std::nullopt;
}

std::optional<Color> FlexGridModel::OwnForeColor(int row, int col) const {
    const CellStyle* style = StyleOf(row, col);
    return style ? style->fore : std::nullopt;
}

void FlexGridModel::SetOwnBackColor(int row, int col, std::optional<Color> color) {
    if (SetStyle(row, col, &CellStyle::back, color)) CellChanged(row, col);
}

void FlexGridModel::SetOwnForeColor(int row, int col, std::optional<Color> color) {
    if (SetStyle(row, col, &CellStyle::fore, color)) CellChanged(row, col);
}

Color FlexGridModel::BackColorOf(int row, int col) const {
    if (auto own = OwnBackColor(row, col)) return *own;
    return IsFixed(row, col) ? colors_.backFixed : colors_.back;
}

Color FlexGridModel::ForeColorOf(int row, int col) const {
    if (auto own = OwnForeColor(row, col)) return *own;
    return IsFixed(row, col) ? colors_.foreFixed : colors_.fore;
}

int FlexGridModel::ColAlignment(int col) const {
    return col >= 0 && col < cols_ ? colAlignment_[static_cast<size_t>(col)] : kFlexAlignGeneral;
}

void FlexGridModel::SetColAlignment(int col, int alignment) {
    if (col < 0 || col >= cols_ || colAlignment_[static_cast<size_t>(col)] == alignment) return;
    colAlignment_[static_cast<size_t>(col)] = alignment;
    AllChanged();
}

std::optional<int> FlexGridModel::OwnAlignment(int row, int col) const {
    const CellStyle* style = StyleOf(row, col);
    return style ? style->alignment : std::nullopt;
}

void FlexGridModel::SetOwnAlignment(int row, int col, std::optional<int> alignment) {
    if (SetStyle(row, col, &CellStyle::alignment, alignment)) CellChanged(row, col);
}

int FlexGridModel::AlignmentOf(int row, int col) const {
    if (auto own = OwnAlignment(row, col)) return *own;
    return ColAlignment(col);
}

void FlexGridModel::SetColors(const GridColors& colors) {
    colors_ = colors;
    AllChanged();
}

void FlexGridModel::ClearCells() {
    // The room stays: a grid is usually cleared to be filled again.
    std::fill(refs_.begin(), refs_.end(), TextRef{0});
    texts_.Clear();
    deadChars_ = 0;
    styles_.clear();
    AllChanged();
}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - fixedRows_;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_ - fixedCols_;
}

QVariant FlexGridModel::CellData(int row, int col, int role) const {
    if (!Contains(row, col)) return {};
    switch (role) {
        case Qt::DisplayRole: return ToQString(Text(row, col));
        case Qt::BackgroundRole: return QBrush(ToQColor(BackColorOf(row, col)));
        case Qt::ForegroundRole: return QBrush(ToQColor(ForeColorOf(row, col)));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(QtAlignment(AlignmentOf(row, col), Text(row, col)));
        default: return {};
    }
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    return CellData(index.row() + fixedRows_, index.column() + fixedCols_, role);
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // Several fixed rows (columns) share one header section; the section
    // shows them one under (beside) the other and takes the colours of the
    // first.
    if (orientation == Qt::Horizontal) {
        const int col = section + fixedCols_;
        if (fixedRows_ == 0) return {};
        if (role != Qt::DisplayRole) return CellData(0, col, role);
        QStringList lines;
        for (int r = 0; r < fixedRows_; ++r) lines << ToQString(Text(r, col));
        return lines.join(QLatin1Char('\n'));
    }
    const int row = section + fixedRows_;
    if (fixedCols_ == 0) return {};
    if (role != Qt::DisplayRole) return CellData(row, 0, role);
    QStringList parts;
    for (int c = 0; c < fixedCols_; ++c) parts << ToQString(Text(row, c));
    return parts.join(QLatin1Char(' '));
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void FlexGridModel::SetQuiet(bool quiet) {
    if (quiet == quiet_) return;
    quiet_ = quiet;
    if (!quiet_) AllChanged();
}

void FlexGridModel::CellChanged(int row, int col) {
    if (quiet_) return;
    if (row < fixedRows_ && col < fixedCols_) {
        emit cornerChanged();
    } else if (row < fixedRows_) {
        emit headerDataChanged(Qt::Horizontal, col - fixedCols_, col - fixedCols_);
    } else if (col < fixedCols_) {
        emit headerDataChanged(Qt::Vertical, row - fixedRows_, row - fixedRows_);
    } else {
        const QModelIndex at = index(row - fixedRows_, col - fixedCols_);
        emit dataChanged(at, at);
    }
}

void FlexGridModel::AllChanged() {
    if (quiet_) return;
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    emit cornerChanged();
}

}  // namespace ranvik
