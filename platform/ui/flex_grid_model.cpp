#include "platform/ui/flex_grid_model.h"

#include <algorithm>

#include <QBrush>

#include "platform/runtime/values.h"

namespace ranvik {

namespace {

const std::string kNoText;

Qt::Alignment QtAlignment(int alignment, const std::string& text) {
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
        std::vector<Cell> cells(static_cast<size_t>(newRows) * newCols);
        for (int r = 0; r < std::min(rows_, newRows); ++r) {
            for (int c = 0; c < std::min(cols_, newCols); ++c) {
                cells[static_cast<size_t>(r) * newCols + c] = std::move(At(r, c));
            }
        }
        cells_ = std::move(cells);
        rows_ = newRows;
        cols_ = newCols;
        colAlignment_.resize(static_cast<size_t>(newCols), kFlexAlignGeneral);
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

const std::string& FlexGridModel::Text(int row, int col) const {
    return Contains(row, col) ? At(row, col).text : kNoText;
}

void FlexGridModel::SetText(int row, int col, const std::string& text) {
    if (!Contains(row, col) || At(row, col).text == text) return;
    At(row, col).text = text;
    CellChanged(row, col);
}

std::optional<Color> FlexGridModel::OwnBackColor(int row, int col) const {
    return Contains(row, col) ? At(row, col).back : std::nullopt;
}

std::optional<Color> FlexGridModel::OwnForeColor(int row, int col) const {
    return Contains(row, col) ? At(row, col).fore : std::nullopt;
}

void FlexGridModel::SetOwnBackColor(int row, int col, std::optional<Color> color) {
    if (!Contains(row, col) || At(row, col).back == color) return;
    At(row, col).back = color;
    CellChanged(row, col);
}

void FlexGridModel::SetOwnForeColor(int row, int col, std::optional<Color> color) {
    if (!Contains(row, col) || At(row, col).fore == color) return;
    At(row, col).fore = color;
    CellChanged(row, col);
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
    return Contains(row, col) ? At(row, col).alignment : std::nullopt;
}

void FlexGridModel::SetOwnAlignment(int row, int col, std::optional<int> alignment) {
    if (!Contains(row, col) || At(row, col).alignment == alignment) return;
    At(row, col).alignment = alignment;
    CellChanged(row, col);
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
    for (Cell& cell : cells_) cell = Cell{};
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
        case Qt::DisplayRole: return QString::fromStdString(At(row, col).text);
        case Qt::BackgroundRole: return QBrush(ToQColor(BackColorOf(row, col)));
        case Qt::ForegroundRole: return QBrush(ToQColor(ForeColorOf(row, col)));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(QtAlignment(AlignmentOf(row, col), At(row, col).text));
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
        for (int r = 0; r < fixedRows_; ++r) lines << QString::fromStdString(Text(r, col));
        return lines.join(QLatin1Char('\n'));
    }
    const int row = section + fixedRows_;
    if (fixedCols_ == 0) return {};
    if (role != Qt::DisplayRole) return CellData(row, 0, role);
    QStringList parts;
    for (int c = 0; c < fixedCols_; ++c) parts << QString::fromStdString(Text(row, c));
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
