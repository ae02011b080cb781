#pragma once
// The cells of a FlexGrid: texts, per-cell colours and alignments of every
// row and column, fixed ones included.  As a Qt model it shows the scrolling
// part (rows from FixedRows on, columns from FixedCols on) as its items and
// the fixed rows and columns as its header data, so the view's headers stay
// in place while the cells scroll.
//
// A grid of a long data file holds hundreds of thousands of cells, nearly all
// of them plain short texts: the texts live one after the other in one block
// of characters, each cell keeping only where its text starts and how long it
// is, and a cell's own colours and alignment are kept apart, only for the
// cells that have one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <QAbstractTableModel>

#include "platform/ui/colors.h"

namespace ranvik {

// Cell alignments of the grid, by their numbers.
enum FlexAlignment : int {
    kFlexAlignLeftTop = 0,
    kFlexAlignLeftCenter = 1,
    kFlexAlignLeftBottom = 2,
    kFlexAlignCenterTop = 3,
    kFlexAlignCenterCenter = 4,
    kFlexAlignCenterBottom = 5,
    kFlexAlignRightTop = 6,
    kFlexAlignRightCenter = 7,
    kFlexAlignRightBottom = 8,
    kFlexAlignGeneral = 9,  // text left, numbers right, both centred vertically
};

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FlexGridModel(QObject* parent = nullptr);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    bool Contains(int row, int col) const;
    bool IsFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

    // Shape changes keep the cells that stay, with their texts and colours.
    void SetShape(int rows, int cols);
    void SetFixed(int fixedRows, int fixedCols);

    // The text stays valid until the next change of the grid's cells.
    std::string_view Text(int row, int col) const;
    void SetText(int row, int col, std::string_view text);

    // A cell's own colour, or none when it shows the grid's colour.
    std::optional<Color> OwnBackColor(int row, int col) const;
    std::optional<Color> OwnForeColor(int row, int col) const;
    void SetOwnBackColor(int row, int col, std::optional<Color> color);
    void SetOwnForeColor(int row, int col, std::optional<Color> color);
    // The colour a cell shows: its own, else the grid's for fixed or
    // scrolling cells.
    Color BackColorOf(int row, int col) const;
    Color ForeColorOf(int row, int col) const;

    int ColAlignment(int col) const;
    void SetColAlignment(int col, int alignment);
    std::optional<int> OwnAlignment(int row, int col) const;
    void SetOwnAlignment(int row, int col, std::optional<int> alignment);
    int AlignmentOf(int row, int col) const;

    struct GridColors {
        Color back = WindowBackColor();
        Color fore = WindowTextColor();
        Color backFixed = ButtonFaceColor();
        Color foreFixed = WindowTextColor();
    };
    const GridColors& Colors() const { return colors_; }
    void SetColors(const GridColors& colors);

    // Empties every cell and drops every cell's own colour and alignment.
    void ClearCells();

    // While quiet, changes of texts, colours and alignments tell the views
    // nothing; ending the quiet tells them once that every cell changed.
    // Filling thousands of cells costs one repaint instead of one signal
    // each.  Shape changes are always told.
    void SetQuiet(bool quiet);
    bool Quiet() const { return quiet_; }

    // Qt model: the scrolling part.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // What a cell shows, for any cell (the header data and the corner use it).
    QVariant CellData(int row, int col, int role) const;

signals:
    // A cell left of and above the scrolling part changed.
    void cornerChanged();

private:
    // Where a cell's text lies in texts_; 0 for an empty text, which takes
    // no room.
    using TextRef = std::uint32_t;
    // The texts one after the other, each after its length (seven bits a
    // byte, the last byte without its top bit), so that a cell needs four
    // bytes to find its text.  The block grows in place where the system can
    // (a long one is moved by remapping its pages, not copied), so that
    // filling a large grid writes each character once.
    class TextBlock {
    public:
        TextBlock() = default;
        TextBlock(const TextBlock&) = delete;
        TextBlock& operator=(const TextBlock&) = delete;
        ~TextBlock();
        std::size_t size() const { return size_; }
        // Whether a text of `length` characters can be added.
        bool Fits(std::size_t length) const;
        // Adds a text that is not empty; `text` may lie in the block itself.
        TextRef Add(std::string_view text);
        std::string_view At(TextRef ref) const;
        // The bytes a text takes, its length included.
        std::size_t Footprint(TextRef ref) const;
        void Reserve(std::size_t bytes);
        void Clear() { size_ = 0; }
        void Swap(TextBlock& other) noexcept;

    private:
        char* data_ = nullptr;
        std::size_t size_ = 0;
        std::size_t capacity_ = 0;
    };
    // What a cell has of its own besides its text.
    struct CellStyle {
        std::optional<Color> back;
        std::optional<Color> fore;
        std::optional<int> alignment;
        bool Empty() const { return !back && !fore && !alignment; }
    };
    static std::uint64_t KeyOf(int row, int col) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32 | static_cast<std::uint32_t>(col);
    }
    std::size_t IndexOf(int row, int col) const { return static_cast<std::size_t>(row) * cols_ + col; }
    const CellStyle* StyleOf(int row, int col) const;
    // Changes one part of a cell's style; false when it had that value.
    template <typename T>
    bool SetStyle(int row, int col, std::optional<T> CellStyle::*part, std::optional<T> value);
    // Texts replaced or dropped leave their characters behind; once they are
    // most of the block, the block is written anew with the live texts only.
    void DropText(TextRef ref);
    void CompactTexts(bool always = false);
    void CellChanged(int row, int col);
    void AllChanged();

    int rows_ = 0;
    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    std::vector<TextRef> refs_;  // row by row
    TextBlock texts_;
    std::size_t deadChars_ = 0;  // bytes of texts_ no cell refers to
    std::unordered_map<std::uint64_t, CellStyle> styles_;
    std::vector<int> colAlignment_;
    GridColors colors_;
    bool quiet_ = false;
};

}  // namespace ranvik
