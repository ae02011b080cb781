#include "platform/ui/flex_grid.h"

#include <gtest/gtest.h>

#include <QBrush>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "platform/ui/twips.h"

namespace ranvik {
namespace {

Color ModelBack(const FlexGrid& grid, int row, int col) {
    const QModelIndex index =
        grid.Model()->index(row - grid.FixedRows(), col - grid.FixedCols());
    return FromQColor(grid.Model()->data(index, Qt::BackgroundRole).value<QBrush>().color());
}

Color ModelFore(const FlexGrid& grid, int row, int col) {
    const QModelIndex index =
        grid.Model()->index(row - grid.FixedRows(), col - grid.FixedCols());
    return FromQColor(grid.Model()->data(index, Qt::ForegroundRole).value<QBrush>().color());
}

QString ModelText(const FlexGrid& grid, int row, int col) {
    const QModelIndex index =
        grid.Model()->index(row - grid.FixedRows(), col - grid.FixedCols());
    return grid.Model()->data(index, Qt::DisplayRole).toString();
}

// A list-style grid: one title row, no fixed column, four columns.
void ShapeListGrid(FlexGrid& grid, int rows) {
    grid.SetFixedCols(0);
    grid.SetCols(4);
    grid.SetRows(rows);
    grid.SetColWidth(0, 450);
    grid.SetColWidth(1, 3000);
    grid.SetColWidth(2, 500);
    grid.SetColWidth(3, 500);
    grid.SetDefaultRowHeight(240);
    grid.SetRowHeight(0, 255);
}

TEST(FlexGrid, StartsWithTheOriginalShape) {
    FlexGrid grid;
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST(FlexGrid, TextsReachTheModelAndTheHeaders) {
    FlexGrid grid;
    ShapeListGrid(grid, 5);
    grid.SetTextMatrix(0, 1, "銘柄");
    grid.SetTextMatrix(3, 1, "極洋");
    EXPECT_EQ(grid.TextMatrix(3, 1), "極洋");
    EXPECT_EQ(ModelText(grid, 3, 1), QString::fromUtf8("極洋"));
    EXPECT_EQ(grid.Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QString::fromUtf8("銘柄"));
    EXPECT_EQ(grid.Model()->rowCount(), 4);
    EXPECT_EQ(grid.Model()->columnCount(), 4);
}

TEST(FlexGrid, CellsOutsideTheGridAreIgnored) {
    FlexGrid grid;
    ShapeListGrid(grid, 3);
    grid.SetTextMatrix(3, 0, "x");
    grid.SetTextMatrix(-1, 0, "x");
    grid.SetCellBackColorAt(0, 9, QBColor(12));
    EXPECT_EQ(grid.TextMatrix(3, 0), "");
    EXPECT_EQ(grid.TextMatrix(0, 4), "");
    grid.SetRow(7);
    grid.SetCol(-2);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.Col(), 0);
}

TEST(FlexGrid, CurrentCellPropertiesActOnRowAndCol) {
    FlexGrid grid;
    ShapeListGrid(grid, 6);
    grid.SetRow(2);
    grid.SetCol(0);
    grid.SetText("1301");
    grid.SetCellBackColor(QBColor(9));
    grid.SetCellForeColor(QBColor(15));
    grid.SetCellAlignment(kFlexAlignCenterCenter);
    EXPECT_EQ(grid.TextMatrix(2, 0), "1301");
    EXPECT_EQ(grid.CellBackColorAt(2, 0), QBColor(9));
    EXPECT_EQ(ModelBack(grid, 2, 0), QBColor(9));
    EXPECT_EQ(ModelFore(grid, 2, 0), QBColor(15));
    EXPECT_EQ(grid.CellAlignmentAt(2, 0), kFlexAlignCenterCenter);
    // The neighbour shows the grid's colours.
    EXPECT_EQ(grid.CellBackColorAt(2, 1), grid.BackColor());
    EXPECT_EQ(grid.CellForeColorAt(2, 1), grid.ForeColor());
    EXPECT_EQ(grid.CellBackColorAt(0, 1), grid.BackColorFixed());
    // Reading through the current cell gives what was set.
    grid.SetCol(1);
    grid.SetCol(0);
    EXPECT_EQ(grid.CellBackColor(), QBColor(9));
    EXPECT_EQ(grid.CellForeColor(), QBColor(15));
}

TEST(FlexGrid, GridColoursShowWhereCellsHaveNone) {
    FlexGrid grid;
    ShapeListGrid(grid, 4);
    grid.SetCellBackColorAt(1, 1, QBColor(13));
    grid.SetBackColor(RGB(240, 255, 240));
    EXPECT_EQ(ModelBack(grid, 2, 2), RGB(240, 255, 240));
    EXPECT_EQ(ModelBack(grid, 1, 1), QBColor(13));
    grid.SetForeColorFixed(QBColor(1));
    EXPECT_EQ(FromQColor(grid.Model()
                             ->headerData(2, Qt::Horizontal, Qt::ForegroundRole)
                             .value<QBrush>()
                             .color()),
              QBColor(1));
}

TEST(FlexGrid, ChangingTheShapeKeepsCellsThatStay) {
    FlexGrid grid;
    ShapeListGrid(grid, 4);
    grid.SetTextMatrix(2, 3, "100");
    grid.SetCellBackColorAt(2, 3, QBColor(4));
    grid.SetRows(10);
    grid.SetCols(6);
    EXPECT_EQ(grid.TextMatrix(2, 3), "100");
    EXPECT_EQ(grid.CellBackColorAt(2, 3), QBColor(4));
    EXPECT_EQ(grid.TextMatrix(9, 5), "");
    grid.SetRows(3);
    EXPECT_EQ(grid.TextMatrix(2, 3), "100");
    EXPECT_EQ(grid.Model()->rowCount(), 2);
    grid.SetRows(4);
    EXPECT_EQ(grid.TextMatrix(3, 3), "");
}

TEST(FlexGrid, CellsKeepTheirOwnTextsAndColoursThroughShapeChangesAndRewrites) {
    // Each case works on a 60 x 6 grid whose every cell holds a text naming
    // it; the cells it leaves alone must still hold theirs.
    struct Case {
        const char* name;
        void (*change)(FlexGrid&);
        int rows, cols;  // the shape afterwards
        int keptCols;    // columns that still hold their texts and colours
    };
    const Case cases[] = {
        {"columns taken away and given back",
         [](FlexGrid& g) {
             g.SetCols(3);
             g.SetCols(6);
         },
         60, 6, 3},
        {"rows and columns taken away",
         [](FlexGrid& g) {
             g.SetRows(20);
             g.SetCols(4);
         },
         20, 4, 4},
        {"one cell rewritten until its old texts outweigh the rest",
         [](FlexGrid& g) {
             for (int i = 0; i < 3000; ++i) g.SetTextMatrix(5, 5, std::string(40, static_cast<char>('a' + i % 26)));
             g.SetTextMatrix(5, 5, "5,5");
         },
         60, 6, 6},
        {"texts copied from cell to cell",
         [](FlexGrid& g) {
             // The text copied lies in the grid itself, also while it grows.
             for (int r = 1; r < 60; ++r) {
                 g.Model()->SetText(r, 0, g.Model()->Text(r, 1));
                 g.Model()->SetText(r, 0, std::to_string(r) + ",0");
             }
         },
         60, 6, 6},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        FlexGrid grid;
        grid.SetCols(6);
        grid.SetRows(60);
        for (int r = 0; r < 60; ++r) {
            for (int c = 0; c < 6; ++c) grid.SetTextMatrix(r, c, std::to_string(r) + "," + std::to_string(c));
        }
        grid.SetCellBackColorAt(2, 2, QBColor(4));
        grid.SetCellForeColorAt(2, 2, QBColor(2));
        grid.SetCellBackColorAt(3, 4, QBColor(5));
        grid.SetCellAlignmentAt(3, 4, kFlexAlignCenterCenter);
        k.change(grid);
        ASSERT_EQ(grid.Rows(), k.rows);
        ASSERT_EQ(grid.Cols(), k.cols);
        for (int r = 0; r < grid.Rows(); ++r) {
            for (int c = 0; c < grid.Cols(); ++c) {
                EXPECT_EQ(grid.TextMatrix(r, c), c >= k.keptCols ? "" : std::to_string(r) + "," + std::to_string(c))
                    << r << "," << c;
            }
        }
        EXPECT_EQ(grid.CellBackColorAt(2, 2), QBColor(4));
        EXPECT_EQ(grid.CellForeColorAt(2, 2), QBColor(2));
        EXPECT_EQ(ModelBack(grid, 2, 2), QBColor(4));
        const bool keeps34 = k.keptCols > 4;
        EXPECT_EQ(grid.CellBackColorAt(3, 4), keeps34 ? QBColor(5) : grid.BackColor());
        EXPECT_EQ(grid.CellAlignmentAt(3, 4), keeps34 ? kFlexAlignCenterCenter : kFlexAlignGeneral);
    }
}

TEST(FlexGrid, TextsOfAnyLengthReadBackWhole) {
    // Lengths at the edges of how many bytes it takes to keep a length.
    const std::size_t lengths[] = {1, 127, 128, 300, 16383, 16384, 70000, 2097152};
    FlexGrid grid;
    grid.SetRows(10);
    grid.SetCols(3);
    for (std::size_t i = 0; i < std::size(lengths); ++i) {
        std::string text(lengths[i], 'x');
        text.back() = static_cast<char>('a' + i);
        text.front() = static_cast<char>('A' + i);
        grid.SetTextMatrix(static_cast<int>(i) + 1, 2, text);
        grid.SetTextMatrix(static_cast<int>(i) + 1, 1, "after");
    }
    for (std::size_t i = 0; i < std::size(lengths); ++i) {
        const std::string text = grid.TextMatrix(static_cast<int>(i) + 1, 2);
        ASSERT_EQ(text.size(), lengths[i]) << i;
        EXPECT_EQ(text.front(), static_cast<char>('A' + i));
        if (text.size() > 1) {
            EXPECT_EQ(text.back(), static_cast<char>('a' + i));
        }
        EXPECT_EQ(ModelText(grid, static_cast<int>(i) + 1, 2).size(), static_cast<qsizetype>(lengths[i]));
        EXPECT_EQ(grid.TextMatrix(static_cast<int>(i) + 1, 1), "after");
    }
}

TEST(FlexGrid, TakingOneOwnColourAwayLeavesTheOthers) {
    FlexGrid grid;
    ShapeListGrid(grid, 4);
    FlexGridModel& model = *grid.Model();
    model.SetOwnBackColor(1, 1, QBColor(4));
    model.SetOwnForeColor(1, 1, QBColor(2));
    model.SetOwnAlignment(1, 1, kFlexAlignRightTop);
    model.SetOwnBackColor(1, 1, std::nullopt);
    EXPECT_EQ(model.OwnBackColor(1, 1), std::nullopt);
    EXPECT_EQ(model.OwnForeColor(1, 1), QBColor(2));
    EXPECT_EQ(model.OwnAlignment(1, 1), kFlexAlignRightTop);
    model.SetOwnForeColor(1, 1, std::nullopt);
    model.SetOwnAlignment(1, 1, std::nullopt);
    EXPECT_EQ(grid.CellForeColorAt(1, 1), grid.ForeColor());
    EXPECT_EQ(grid.CellAlignmentAt(1, 1), kFlexAlignGeneral);
    // Taking away what a cell does not have tells the views nothing.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.SetOwnBackColor(2, 2, std::nullopt);
    EXPECT_EQ(changed.count(), 0);
}

TEST(FlexGrid, ShrinkingMovesTheCurrentRowInside) {
    FlexGrid grid;
    ShapeListGrid(grid, 10);
    grid.SetRow(8);
    grid.SetRows(5);
    EXPECT_EQ(grid.Row(), 4);
}

TEST(FlexGrid, ClearEmptiesTextsAndColoursButKeepsSizes) {
    FlexGrid grid;
    ShapeListGrid(grid, 4);
    grid.SetTextMatrix(1, 1, "abc");
    grid.SetCellBackColorAt(1, 1, QBColor(13));
    grid.SetCellAlignmentAt(1, 1, kFlexAlignRightCenter);
    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(grid.CellBackColorAt(1, 1), grid.BackColor());
    EXPECT_EQ(grid.CellAlignmentAt(1, 1), kFlexAlignGeneral);
    EXPECT_EQ(grid.ColWidth(1), 3000);
    EXPECT_EQ(grid.Rows(), 4);
}

TEST(FlexGrid, AlignmentsReachTheModel) {
    FlexGrid grid;
    ShapeListGrid(grid, 4);
    grid.SetTextMatrix(1, 0, "text");
    grid.SetTextMatrix(1, 3, "100");
    auto alignment = [&](int row, int col) {
        return grid.Model()
            ->data(grid.Model()->index(row - 1, col), Qt::TextAlignmentRole)
            .value<Qt::Alignment>();
    };
    // General: text left, numbers right.
    EXPECT_EQ(alignment(1, 0), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(alignment(1, 3), Qt::AlignRight | Qt::AlignVCenter);
    grid.SetColAlignment(0, kFlexAlignCenterCenter);
    EXPECT_EQ(alignment(1, 0), Qt::AlignHCenter | Qt::AlignVCenter);
    grid.SetCellAlignmentAt(1, 0, kFlexAlignRightTop);
    EXPECT_EQ(alignment(1, 0), Qt::AlignRight | Qt::AlignTop);
    EXPECT_EQ(grid.ColAlignment(0), kFlexAlignCenterCenter);
}

TEST(FlexGrid, WidthsAndHeightsAreKeptInTwipsAndShownInPixels) {
    FlexGrid grid;
    ShapeListGrid(grid, 4);
    EXPECT_EQ(grid.ColWidth(1), 3000);
    EXPECT_EQ(grid.horizontalHeader()->sectionSize(1), 200);
    EXPECT_EQ(grid.RowHeight(2), 240);
    EXPECT_EQ(grid.verticalHeader()->sectionSize(1), 16);
    EXPECT_EQ(grid.RowHeight(0), 255);
    EXPECT_EQ(grid.horizontalHeader()->height(), 17);
    EXPECT_EQ(grid.ColPos(2), 450 + 3000);
    EXPECT_EQ(grid.RowPos(0), 0);
    EXPECT_EQ(grid.RowPos(2), 255 + 240);
}

TEST(FlexGrid, TopRowStaysWithinTheLastPage) {
    FlexGrid grid;
    ShapeListGrid(grid, 101);  // 100 rows of 16 px under a 17 px title
    grid.resize(300, 17 + 10 * 16 + 2 * grid.frameWidth() +
                         grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QSignalSpy scrolled(&grid, &FlexGrid::Scroll);
    grid.SetTopRow(50);
    EXPECT_EQ(grid.TopRow(), 50);
    EXPECT_EQ(scrolled.count(), 1);
    EXPECT_EQ(grid.RowPos(50), 255);
    EXPECT_EQ(grid.RowPos(49), 255 - 240);
    grid.SetTopRow(500);
    EXPECT_EQ(grid.TopRow(), 91);
    grid.SetTopRow(0);
    EXPECT_EQ(grid.TopRow(), 1);
    grid.SetTopRow(1);
    EXPECT_EQ(scrolled.count(), 3);
}

TEST(FlexGrid, TakingFixedLinesAwayFromAGridAtItsStartShowsThem) {
    FlexGrid grid;
    grid.SetRows(20);
    grid.SetCols(4);
    grid.resize(400, 200);
    EXPECT_EQ(grid.LeftCol(), 1);
    grid.SetFixedCols(0);
    EXPECT_EQ(grid.LeftCol(), 0);
    EXPECT_EQ(grid.TopRow(), 1);
    grid.SetFixedRows(0);
    EXPECT_EQ(grid.TopRow(), 0);
    // A grid scrolled away from its start keeps its place.
    grid.SetFixedRows(1);
    grid.SetTopRow(5);
    grid.SetFixedRows(0);
    EXPECT_EQ(grid.TopRow(), 5);
}

TEST(FlexGrid, TopRowAgreesWithTheShownView) {
    FlexGrid grid;
    ShapeListGrid(grid, 101);
    grid.resize(300, 200);
    grid.show();
    grid.SetTopRow(1000);
    const int last = grid.TopRow();
    EXPECT_EQ(grid.verticalScrollBar()->value(), last - 1);
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), last - 1);
    grid.SetTopRow(40);
    EXPECT_EQ(grid.rowAt(0), 39);
    // Scrolling by the bar is a scroll of the grid.
    QSignalSpy scrolled(&grid, &FlexGrid::Scroll);
    grid.verticalScrollBar()->setValue(9);
    EXPECT_EQ(grid.TopRow(), 10);
    EXPECT_EQ(scrolled.count(), 1);
}

TEST(FlexGrid, ScrollBarsCanBeTurnedOff) {
    FlexGrid grid;
    grid.SetScrollBars(kFlexScrollVertical);
    EXPECT_EQ(grid.ScrollBars(), kFlexScrollVertical);
    EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    grid.SetScrollBars(kFlexScrollNone);
    EXPECT_EQ(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

struct MouseRecord {
    std::vector<std::string> events;
    int row = -1;
};

void Record(FlexGrid& grid, MouseRecord& record) {
    QObject::connect(&grid, &FlexGrid::MouseDown, [&](int button, int shift, double x, double y) {
        record.events.push_back("down " + std::to_string(button) + " " + std::to_string(shift) +
                                " " + std::to_string(static_cast<int>(x)) + " " +
                                std::to_string(static_cast<int>(y)) + " row " +
                                std::to_string(grid.Row()));
    });
    QObject::connect(&grid, &FlexGrid::MouseUp, [&](int button, int, double, double) {
        record.events.push_back("up " + std::to_string(button));
    });
    QObject::connect(&grid, &FlexGrid::Click, [&] { record.events.push_back("click"); });
    QObject::connect(&grid, &FlexGrid::DblClick, [&] { record.events.push_back("dblclick"); });
    QObject::connect(&grid, &FlexGrid::RowColChange,
                     [&] { record.events.push_back("rowcol " + std::to_string(grid.Row())); });
}

class ShownGrid : public testing::Test {
protected:
    void SetUp() override {
        ShapeListGrid(grid, 21);
        grid.resize(300, 200);
        grid.show();
        frame = grid.frameWidth();
    }
    // Pixel point in the grid's viewport of a place in grid client pixels.
    QPoint InViewport(int x, int y) { return QPoint(x, y - 17); }

    FlexGrid grid;
    int frame = 0;
};

TEST_F(ShownGrid, LeftPressMakesTheCellCurrentBeforeMouseDown) {
    MouseRecord record;
    Record(grid, record);
    // Column 1 starts at 30 px, row 3 at 17 + 2 * 16 = 49 px.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, InViewport(40, 52));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, InViewport(40, 52));
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.MouseRow(), 3);
    EXPECT_EQ(grid.MouseCol(), 1);
    const std::vector<std::string> expected = {"rowcol 3", "down 1 1 600 780 row 3", "up 1",
                                               "click"};
    EXPECT_EQ(record.events, expected);
}

TEST_F(ShownGrid, PressesOnTheTitleRowAndRightPressesKeepTheCurrentCell) {
    grid.SetRow(2);
    MouseRecord record;
    Record(grid, record);
    QTest::mousePress(grid.horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(40, 5));
    QTest::mouseRelease(grid.horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(40, 5));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.MouseRow(), 0);
    QTest::mousePress(grid.viewport(), Qt::RightButton, Qt::NoModifier, InViewport(40, 100));
    QTest::mouseRelease(grid.viewport(), Qt::RightButton, Qt::NoModifier, InViewport(40, 100));
    EXPECT_EQ(grid.Row(), 2);
    const std::vector<std::string> expected = {"down 1 0 600 75 row 2", "up 1", "click",
                                               "down 2 0 600 1500 row 2", "up 2"};
    EXPECT_EQ(record.events, expected);
}

TEST_F(ShownGrid, DoubleClickRaisesDblClickInsteadOfASecondPress) {
    MouseRecord record;
    Record(grid, record);
    // The window system delivers a double click as press, release, double
    // click, release.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, InViewport(10, 40));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, InViewport(10, 40));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, InViewport(10, 40));
    const std::vector<std::string> expected = {"rowcol 2", "down 1 0 150 600 row 2", "up 1",
                                               "click",    "dblclick",              "up 1"};
    EXPECT_EQ(record.events, expected);
}

TEST_F(ShownGrid, PressOnAScrolledGridCountsFromTheTopRow) {
    grid.SetTopRow(5);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, InViewport(10, 20));
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.CellTop(), 255);
    EXPECT_EQ(grid.CellLeft(), 0);
    EXPECT_EQ(grid.CellWidth(), 450);
    EXPECT_EQ(grid.CellHeight(), 240);
}

TEST_F(ShownGrid, ArrowKeysMoveTheCurrentCellAfterKeyDown) {
    grid.setFocus();
    grid.SetRow(1);
    std::vector<std::string> events;
    QObject::connect(&grid, &FlexGrid::KeyDown, [&](int key, int shift) {
        events.push_back("key " + std::to_string(key) + " " + std::to_string(shift));
    });
    QObject::connect(&grid, &FlexGrid::RowColChange,
                     [&] { events.push_back("rowcol " + std::to_string(grid.Row())); });
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Up);
    // Shift itself is a key (16) that goes down before the arrow.
    const std::vector<std::string> expected = {"key 40 0", "rowcol 2", "key 16 1", "key 38 1",
                                               "rowcol 1", "key 38 0"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(ShownGrid, MovingDownPastTheViewScrolls) {
    grid.setFocus();
    grid.SetRow(1);
    grid.SetCol(0);
    for (int i = 0; i < 19; ++i) QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 20);
    EXPECT_GT(grid.TopRow(), 1);
    EXPECT_GE(grid.RowPos(20) + grid.RowHeight(20), 0);
}

TEST_F(ShownGrid, MouseMoveReportsTheCellUnderThePointer) {
    grid.resize(400, 200);
    std::vector<std::string> moves;
    QObject::connect(&grid, &FlexGrid::MouseMove, [&](int button, int, double x, double y) {
        moves.push_back(std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + " " +
                        std::to_string(static_cast<int>(y)) + " " + std::to_string(grid.MouseRow()) +
                        "," + std::to_string(grid.MouseCol()));
    });
    QTest::mouseMove(grid.horizontalHeader()->viewport(), QPoint(31, 3));
    QTest::mouseMove(grid.viewport(), InViewport(5, 17 + 16 * 3 + 1));
    // Right of the last column (30 + 200 + 33 + 33 = 296 px): no column.
    QTest::mouseMove(grid.viewport(), InViewport(297, 20));
    const std::vector<std::string> expected = {"0 465 45 0,1", "0 75 990 4,0", "0 4455 300 1,-1"};
    EXPECT_EQ(moves, expected);
}

TEST_F(ShownGrid, FocusLeavesTheCurrentCellAlone) {
    grid.SetRow(0);
    grid.SetCol(2);
    QWidget other;
    grid.setFocus();
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_FALSE(grid.currentIndex().isValid());
    grid.SetRow(4);
    EXPECT_EQ(grid.currentIndex(), grid.Model()->index(3, 2));
}

TEST(FlexGrid, FixedColumnShowsInTheVerticalHeaderAndTheCorner) {
    FlexGrid grid;
    grid.SetRows(4);
    grid.SetCols(3);
    grid.SetTextMatrix(0, 0, "NO.");
    grid.SetTextMatrix(2, 0, "2");
    EXPECT_EQ(grid.Model()->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), "2");
    auto* corner = grid.findChild<QLabel*>();
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->text(), "NO.");
    grid.SetFixedCols(0);
    EXPECT_TRUE(corner->isHidden());
    EXPECT_EQ(grid.Model()->columnCount(), 3);
    EXPECT_EQ(ModelText(grid, 2, 0), "2");
}

TEST(FlexGrid, WithRedrawOffCellsChangeSilentlyAndTurningItOnTellsTheViewOnce) {
    FlexGrid grid;
    grid.SetRows(100);
    grid.SetCols(5);
    QSignalSpy changed(grid.Model(), &QAbstractItemModel::dataChanged);
    QSignalSpy headers(grid.Model(), &QAbstractItemModel::headerDataChanged);
    grid.SetRedraw(false);
    EXPECT_FALSE(grid.Redraw());
    for (int r = 1; r < 100; ++r) {
        grid.SetTextMatrix(r, 0, std::to_string(r));
        grid.SetTextMatrix(r, 2, "x");
        grid.SetCellBackColorAt(r, 3, QBColor(13));
    }
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(headers.count(), 0);
    EXPECT_EQ(ModelText(grid, 50, 2), "x") << "the cells hold what was set";
    grid.SetRedraw(true);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(ModelBack(grid, 99, 3), QBColor(13));
    grid.SetTextMatrix(1, 2, "y");
    EXPECT_EQ(changed.count(), 2) << "on again: one signal per change";
}

TEST(FlexGrid, ShowCellScrollsJustEnoughToShowIt) {
    FlexGrid grid;
    grid.resize(200, 200);
    grid.SetRows(100);
    grid.SetCols(3);
    grid.ShowCell(60, 1);
    const int top = grid.TopRow();
    EXPECT_GT(top, 40);
    EXPECT_LE(top, 60);
    EXPECT_GE(grid.RowPos(60), 0);
    EXPECT_LE(grid.RowPos(60) + grid.RowHeight(60), PixelsToTwips(200));
    grid.ShowCell(60, 1);
    EXPECT_EQ(grid.TopRow(), top) << "a cell in view does not scroll";
    grid.ShowCell(5, 1);
    EXPECT_EQ(grid.TopRow(), 5);
}

}  // namespace
}  // namespace ranvik
