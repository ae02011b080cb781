#include "platform/ui/flex_grid.h"

#include <algorithm>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

#include "platform/ui/keys.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

constexpr int kDefaultColWidth = 960;

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), model_(new FlexGridModel(this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(0);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setStretchLastSection(false);
        header->viewport()->installEventFilter(this);
        header->viewport()->setMouseTracking(true);
    }
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    viewport()->installEventFilter(this);
    viewport()->setMouseTracking(true);

    corner_ = new QLabel(this);
    corner_->setAutoFillBackground(true);
    corner_->setMouseTracking(true);
    corner_->installEventFilter(this);
    corner_->hide();

    connect(model_, &FlexGridModel::cornerChanged, this, &FlexGrid::UpdateCorner);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::OnVerticalScrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &FlexGrid::OnHorizontalScrolled);

    SetBackColorBkg(backColorBkg_);
    SetCols(2);
    SetRows(2);
    SetFixedRows(1);
    SetFixedCols(1);
}

// ---- shape ----

void FlexGrid::SetRows(int rows) {
    rows = std::max(0, rows);
    if (rows == Rows()) return;
    model_->SetShape(rows, Cols());
    rowHeight_.resize(static_cast<size_t>(rows), -1);
    ApplyRowSizes();
    ApplyFixedSizes();
    SetTopRow(topRow_);
    SetCurrentCell(std::min(row_, std::max(0, rows - 1)), col_);
    SyncCurrentIndex();
}

void FlexGrid::SetCols(int cols) {
    cols = std::max(0, cols);
    if (cols == Cols()) return;
    model_->SetShape(Rows(), cols);
    colWidth_.resize(static_cast<size_t>(cols), kDefaultColWidth);
    ApplyColumnSizes();
    ApplyFixedSizes();
    SetLeftCol(leftCol_);
    SetCurrentCell(row_, std::min(col_, std::max(0, cols - 1)));
    SyncCurrentIndex();
}

void FlexGrid::SetFixedRows(int fixedRows) {
    if (fixedRows < 0 || fixedRows > Rows() || fixedRows == FixedRows()) return;
    // A grid shown from its first scrolling row stays so: taking fixed rows
    // away brings the freed rows into view.
    const bool atStart = topRow_ <= FixedRows();
    model_->SetFixed(fixedRows, FixedCols());
    ApplyColumnSizes();
    ApplyRowSizes();
    ApplyFixedSizes();
    SetTopRow(atStart ? FixedRows() : std::max(topRow_, FixedRows()));
    SyncCurrentIndex();
}

void FlexGrid::SetFixedCols(int fixedCols) {
    if (fixedCols < 0 || fixedCols > Cols() || fixedCols == FixedCols()) return;
    const bool atStart = leftCol_ <= FixedCols();
    model_->SetFixed(FixedRows(), fixedCols);
    ApplyColumnSizes();
    ApplyRowSizes();
    ApplyFixedSizes();
    SetLeftCol(atStart ? FixedCols() : std::max(leftCol_, FixedCols()));
    SyncCurrentIndex();
}

// ---- texts ----

std::string FlexGrid::TextMatrix(int row, int col) const { return std::string(model_->Text(row, col)); }

void FlexGrid::SetTextMatrix(int row, int col, std::string_view text) {
    model_->SetText(row, col, text);
}

void FlexGrid::Clear() { model_->ClearCells(); }

// ---- current cell ----

void FlexGrid::SetRow(int row) {
    if (row < 0 || row >= Rows()) return;
    SetCurrentCell(row, col_);
}

void FlexGrid::SetCol(int col) {
    if (col < 0 || col >= Cols()) return;
    SetCurrentCell(row_, col);
}

void FlexGrid::SetCurrentCell(int row, int col) {
    if (row == row_ && col == col_) return;
    row_ = row;
    col_ = col;
    SyncCurrentIndex();
    emit RowColChange();
    emit SelChange();
}

void FlexGrid::SyncCurrentIndex() {
    QItemSelectionModel* selection = selectionModel();
    if (selection == nullptr) return;
    if (row_ >= FixedRows() && col_ >= FixedCols() && model_->Contains(row_, col_)) {
        selection->setCurrentIndex(model_->index(row_ - FixedRows(), col_ - FixedCols()),
                                   QItemSelectionModel::NoUpdate);
    } else {
        selection->clearCurrentIndex();
    }
}

std::string FlexGrid::Text() const { return TextMatrix(row_, col_); }
void FlexGrid::SetText(std::string_view text) { SetTextMatrix(row_, col_, text); }
Color FlexGrid::CellBackColor() const { return CellBackColorAt(row_, col_); }
void FlexGrid::SetCellBackColor(Color color) { SetCellBackColorAt(row_, col_, color); }
Color FlexGrid::CellForeColor() const { return CellForeColorAt(row_, col_); }
void FlexGrid::SetCellForeColor(Color color) { SetCellForeColorAt(row_, col_, color); }
int FlexGrid::CellAlignment() const { return CellAlignmentAt(row_, col_); }
void FlexGrid::SetCellAlignment(int alignment) { SetCellAlignmentAt(row_, col_, alignment); }

int FlexGrid::CellLeft() const { return ColPos(col_); }
int FlexGrid::CellTop() const { return RowPos(row_); }
int FlexGrid::CellWidth() const { return PixelsToTwips(ColWidthPx(col_)); }
int FlexGrid::CellHeight() const { return PixelsToTwips(RowHeightPx(row_)); }

Color FlexGrid::CellBackColorAt(int row, int col) const { return model_->BackColorOf(row, col); }
void FlexGrid::SetCellBackColorAt(int row, int col, Color color) {
    model_->SetOwnBackColor(row, col, color);
}
Color FlexGrid::CellForeColorAt(int row, int col) const { return model_->ForeColorOf(row, col); }
void FlexGrid::SetCellForeColorAt(int row, int col, Color color) {
    model_->SetOwnForeColor(row, col, color);
}
int FlexGrid::CellAlignmentAt(int row, int col) const { return model_->AlignmentOf(row, col); }
void FlexGrid::SetCellAlignmentAt(int row, int col, int alignment) {
    model_->SetOwnAlignment(row, col, alignment);
}

// ---- colours ----

void FlexGrid::SetBackColor(Color color) {
    auto colors = model_->Colors();
    colors.back = color;
    model_->SetColors(colors);
}

void FlexGrid::SetForeColor(Color color) {
    auto colors = model_->Colors();
    colors.fore = color;
    model_->SetColors(colors);
}

void FlexGrid::SetBackColorFixed(Color color) {
    auto colors = model_->Colors();
    colors.backFixed = color;
    model_->SetColors(colors);
}

void FlexGrid::SetForeColorFixed(Color color) {
    auto colors = model_->Colors();
    colors.foreFixed = color;
    model_->SetColors(colors);
}

void FlexGrid::SetBackColorBkg(Color color) {
    backColorBkg_ = color;
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    viewport()->setPalette(palette);
}

// ---- sizes ----

int FlexGrid::ColWidth(int col) const {
    return col >= 0 && col < Cols() ? colWidth_[static_cast<size_t>(col)] : 0;
}

void FlexGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= Cols()) return;
    colWidth_[static_cast<size_t>(col)] = std::max(0, twips);
    if (col >= FixedCols()) {
        horizontalHeader()->resizeSection(col - FixedCols(), ColWidthPx(col));
    } else {
        ApplyFixedSizes();
    }
    SetLeftCol(leftCol_);
}

int FlexGrid::RowHeight(int row) const {
    if (row < 0 || row >= Rows()) return 0;
    const int own = rowHeight_[static_cast<size_t>(row)];
    return own >= 0 ? own : defaultRowHeight_;
}

void FlexGrid::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= Rows()) return;
    rowHeight_[static_cast<size_t>(row)] = std::max(0, twips);
    if (row >= FixedRows()) {
        verticalHeader()->resizeSection(row - FixedRows(), RowHeightPx(row));
    } else {
        ApplyFixedSizes();
    }
    SetTopRow(topRow_);
}

void FlexGrid::SetDefaultRowHeight(int twips) {
    defaultRowHeight_ = std::max(0, twips);
    ApplyRowSizes();
    ApplyFixedSizes();
    SetTopRow(topRow_);
}

int FlexGrid::ColWidthPx(int col) const { return TwipsToPixels(ColWidth(col)); }
int FlexGrid::RowHeightPx(int row) const { return TwipsToPixels(RowHeight(row)); }

int FlexGrid::FixedHeightPx() const {
    int sum = 0;
    for (int r = 0; r < FixedRows(); ++r) sum += RowHeightPx(r);
    return sum;
}

int FlexGrid::FixedWidthPx() const {
    int sum = 0;
    for (int c = 0; c < FixedCols(); ++c) sum += ColWidthPx(c);
    return sum;
}

void FlexGrid::ApplyColumnSizes() {
    QHeaderView* header = horizontalHeader();
    for (int c = FixedCols(); c < Cols(); ++c) header->resizeSection(c - FixedCols(), ColWidthPx(c));
}

void FlexGrid::ApplyRowSizes() {
    QHeaderView* header = verticalHeader();
    const int defaultPx = TwipsToPixels(defaultRowHeight_);
    if (header->defaultSectionSize() != defaultPx) header->setDefaultSectionSize(defaultPx);
    for (int r = FixedRows(); r < Rows(); ++r) {
        const int px = RowHeightPx(r);
        if (header->sectionSize(r - FixedRows()) != px) header->resizeSection(r - FixedRows(), px);
    }
}

void FlexGrid::ApplyFixedSizes() {
    horizontalHeader()->setFixedHeight(FixedHeightPx());
    horizontalHeader()->setVisible(FixedRows() > 0);
    verticalHeader()->setFixedWidth(FixedWidthPx());
    verticalHeader()->setVisible(FixedCols() > 0);
    UpdateCorner();
    updateGeometries();
}

int FlexGrid::RowPos(int row) const {
    if (row < 0 || row >= Rows()) return 0;
    int px = 0;
    if (row < FixedRows()) {
        for (int r = 0; r < row; ++r) px += RowHeightPx(r);
    } else {
        px = FixedHeightPx();
        for (int r = topRow_; r < row; ++r) px += RowHeightPx(r);
        for (int r = row; r < topRow_; ++r) px -= RowHeightPx(r);
    }
    return PixelsToTwips(px);
}

int FlexGrid::ColPos(int col) const {
    if (col < 0 || col >= Cols()) return 0;
    int px = 0;
    if (col < FixedCols()) {
        for (int c = 0; c < col; ++c) px += ColWidthPx(c);
    } else {
        px = FixedWidthPx();
        for (int c = leftCol_; c < col; ++c) px += ColWidthPx(c);
        for (int c = col; c < leftCol_; ++c) px -= ColWidthPx(c);
    }
    return PixelsToTwips(px);
}

// ---- scrolling ----

QSize FlexGrid::DataAreaPx() const {
    const int frame = frameWidth();
    int width = this->width() - 2 * frame - (FixedCols() > 0 ? FixedWidthPx() : 0);
    int height = this->height() - 2 * frame - (FixedRows() > 0 ? FixedHeightPx() : 0);
    int totalWidth = 0;
    for (int c = FixedCols(); c < Cols(); ++c) totalWidth += ColWidthPx(c);
    int totalHeight = 0;
    for (int r = FixedRows(); r < Rows(); ++r) totalHeight += RowHeightPx(r);
    const bool verticalAllowed = (scrollBars_ & kFlexScrollVertical) != 0;
    const bool horizontalAllowed = (scrollBars_ & kFlexScrollHorizontal) != 0;
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool needVertical = verticalAllowed && totalHeight > height;
    const bool needHorizontal =
        horizontalAllowed && totalWidth > width - (needVertical ? extent : 0);
    if (needHorizontal && !needVertical) needVertical = verticalAllowed && totalHeight > height - extent;
    if (needVertical) width -= extent;
    if (needHorizontal) height -= extent;
    return QSize(std::max(0, width), std::max(0, height));
}

int FlexGrid::MaxTopRow() const {
    if (Rows() <= FixedRows()) return FixedRows();
    const int height = DataAreaPx().height();
    int sum = 0;
    int first = Rows() - 1;
    for (int r = Rows() - 1; r >= FixedRows(); --r) {
        sum += RowHeightPx(r);
        if (sum > height) break;
        first = r;
    }
    return first;
}

int FlexGrid::MaxLeftCol() const {
    if (Cols() <= FixedCols()) return FixedCols();
    const int width = DataAreaPx().width();
    int sum = 0;
    int first = Cols() - 1;
    for (int c = Cols() - 1; c >= FixedCols(); --c) {
        sum += ColWidthPx(c);
        if (sum > width) break;
        first = c;
    }
    return first;
}

void FlexGrid::SetTopRow(int row) {
    const int top = std::clamp(row, FixedRows(), std::max(FixedRows(), MaxTopRow()));
    const bool changed = top != topRow_;
    topRow_ = top;
    SyncScrollBars();
    if (changed) emit Scroll();
}

void FlexGrid::SetLeftCol(int col) {
    const int left = std::clamp(col, FixedCols(), std::max(FixedCols(), MaxLeftCol()));
    const bool changed = left != leftCol_;
    leftCol_ = left;
    SyncScrollBars();
    if (changed) emit Scroll();
}

void FlexGrid::SetScrollBars(int scrollBars) {
    scrollBars_ = scrollBars & kFlexScrollBoth;
    setVerticalScrollBarPolicy((scrollBars_ & kFlexScrollVertical) ? Qt::ScrollBarAsNeeded
                                                                   : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy((scrollBars_ & kFlexScrollHorizontal) ? Qt::ScrollBarAsNeeded
                                                                       : Qt::ScrollBarAlwaysOff);
    SetTopRow(topRow_);
    SetLeftCol(leftCol_);
}

void FlexGrid::SyncScrollBars() {
    syncingScroll_ = true;
    verticalScrollBar()->setValue(topRow_ - FixedRows());
    horizontalScrollBar()->setValue(leftCol_ - FixedCols());
    syncingScroll_ = false;
}

void FlexGrid::OnVerticalScrolled(int value) {
    if (syncingScroll_) return;
    const int top = value + FixedRows();
    if (top == topRow_) return;
    topRow_ = top;
    emit Scroll();
}

void FlexGrid::OnHorizontalScrolled(int value) {
    if (syncingScroll_) return;
    const int left = value + FixedCols();
    if (left == leftCol_) return;
    leftCol_ = left;
    emit Scroll();
}

void FlexGrid::updateGeometries() {
    syncingScroll_ = true;
    QTableView::updateGeometries();
    verticalScrollBar()->setValue(topRow_ - FixedRows());
    horizontalScrollBar()->setValue(leftCol_ - FixedCols());
    // While the grid is on screen its own layout decides how far it can
    // scroll; a hidden grid keeps the value computed from its size.
    if (isVisible()) {
        topRow_ = verticalScrollBar()->value() + FixedRows();
        leftCol_ = horizontalScrollBar()->value() + FixedCols();
    }
    syncingScroll_ = false;
    UpdateCorner();
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    UpdateCorner();
}

void FlexGrid::EnsureVisible(int row, int col) {
    if (row >= FixedRows()) {
        if (row < topRow_) {
            SetTopRow(row);
        } else {
            const int height = DataAreaPx().height();
            int top = topRow_;
            int sum = 0;
            for (int r = top; r <= row; ++r) sum += RowHeightPx(r);
            while (sum > height && top < row) sum -= RowHeightPx(top++);
            SetTopRow(top);
        }
    }
    if (col >= FixedCols()) {
        if (col < leftCol_) {
            SetLeftCol(col);
        } else {
            const int width = DataAreaPx().width();
            int left = leftCol_;
            int sum = 0;
            for (int c = left; c <= col; ++c) sum += ColWidthPx(c);
            while (sum > width && left < col) sum -= ColWidthPx(left++);
            SetLeftCol(left);
        }
    }
}

// ---- corner ----

void FlexGrid::UpdateCorner() {
    if (corner_ == nullptr) return;  // during construction
    if (FixedRows() == 0 || FixedCols() == 0) {
        corner_->hide();
        return;
    }
    corner_->setText(QString::fromStdString(TextMatrix(0, 0)));
    QPalette palette = corner_->palette();
    palette.setColor(QPalette::Window, ToQColor(CellBackColorAt(0, 0)));
    palette.setColor(QPalette::WindowText, ToQColor(CellForeColorAt(0, 0)));
    corner_->setPalette(palette);
    corner_->setAlignment(
        model_->CellData(0, 0, Qt::TextAlignmentRole).value<Qt::Alignment>());
    const int frame = frameWidth();
    corner_->setGeometry(frame, frame, FixedWidthPx(), FixedHeightPx());
    corner_->show();
    corner_->raise();
}

// ---- mouse and keys ----

FlexGrid::Hit FlexGrid::HitTest(QObject* source, const QPointF& position) const {
    Hit hit;
    auto* widget = qobject_cast<QWidget*>(source);
    const QPoint inGrid = widget->mapTo(this, position.toPoint());
    hit.client = inGrid - QPoint(frameWidth(), frameWidth());
    const int x = hit.client.x();
    const int y = hit.client.y();

    int edge = 0;
    for (int r = 0; r < FixedRows() && hit.row < 0; ++r) {
        edge += RowHeightPx(r);
        if (y < edge) hit.row = r;
    }
    for (int r = topRow_; r < Rows() && hit.row < 0; ++r) {
        edge += RowHeightPx(r);
        if (y < edge) hit.row = r;
    }
    edge = 0;
    for (int c = 0; c < FixedCols() && hit.col < 0; ++c) {
        edge += ColWidthPx(c);
        if (x < edge) hit.col = c;
    }
    for (int c = leftCol_; c < Cols() && hit.col < 0; ++c) {
        edge += ColWidthPx(c);
        if (x < edge) hit.col = c;
    }
    return hit;
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    const bool ours = watched == viewport() || watched == corner_ ||
                      watched == horizontalHeader()->viewport() ||
                      watched == verticalHeader()->viewport();
    if (!ours) return QTableView::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove: break;
        default: return QTableView::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const Hit hit = HitTest(watched, mouse->position());
    mouseRow_ = hit.row;
    mouseCol_ = hit.col;
    const int button = MouseButtonOf(*mouse);
    const int shift = ShiftStateOf(mouse->modifiers());
    const double x = PixelsToTwips(static_cast<double>(hit.client.x()));
    const double y = PixelsToTwips(static_cast<double>(hit.client.y()));
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
            if (button == kLeftButton && hit.row >= FixedRows() && hit.col >= FixedCols()) {
                SetCurrentCell(hit.row, hit.col);
            }
            leftPressed_ = button == kLeftButton;
            emit MouseDown(button, shift, x, y);
            break;
        case QEvent::MouseButtonDblClick:
            leftPressed_ = false;
            if (button == kLeftButton) emit DblClick();
            break;
        case QEvent::MouseButtonRelease: {
            const bool click = leftPressed_ && button == kLeftButton;
            leftPressed_ = false;
            emit MouseUp(button, shift, x, y);
            if (click) emit Click();
            break;
        }
        default:
            emit MouseMove(button, shift, x, y);
            break;
    }
    return true;
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(VirtualKeyCode(*event), ShiftStateOf(event->modifiers()));
    if (const int ascii = KeyAsciiOf(*event); ascii != 0) emit KeyPress(ascii);
    if (Rows() <= FixedRows() || Cols() <= FixedCols()) return;
    const int page = std::max(1, DataAreaPx().height() / std::max(1, TwipsToPixels(defaultRowHeight_)));
    int row = std::max(row_, FixedRows());
    int col = std::max(col_, FixedCols());
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
        case Qt::Key_Up: --row; break;
        case Qt::Key_Down: ++row; break;
        case Qt::Key_Left: --col; break;
        case Qt::Key_Right: ++col; break;
        case Qt::Key_PageUp: row -= page; break;
        case Qt::Key_PageDown: row += page; break;
        case Qt::Key_Home:
            col = FixedCols();
            if (ctrl) row = FixedRows();
            break;
        case Qt::Key_End:
            col = Cols() - 1;
            if (ctrl) row = Rows() - 1;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            focusNextPrevChild(event->key() == Qt::Key_Tab);
            return;
        default: return;
    }
    row = std::clamp(row, FixedRows(), Rows() - 1);
    col = std::clamp(col, FixedCols(), Cols() - 1);
    SetCurrentCell(row, col);
    EnsureVisible(row, col);
}

void FlexGrid::focusInEvent(QFocusEvent* event) {
    // The item view would make its first item current on focus; the grid's
    // current cell is Row and Col alone.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void FlexGrid::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    emit KeyUp(VirtualKeyCode(*event), ShiftStateOf(event->modifiers()));
}

}  // namespace ranvik
