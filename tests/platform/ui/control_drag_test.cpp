#include "platform/ui/control_drag.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRubberBand>
#include <QTableWidget>
#include <QTest>
#include <optional>

#include "platform/ui/twips.h"

namespace ranvik {
namespace {

// A panel whose press handler begins its drag, and which notes the mouse
// events that reach it.
class Panel : public QFrame {
public:
    Panel(ControlDrag& drag, QWidget* parent) : QFrame(parent), drag_(drag) {}
    int moves = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { drag_.BeginDrag(this); }
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }

private:
    ControlDrag& drag_;
};

struct Drop {
    std::string target;
    QWidget* source = nullptr;
    double x = 0;
    double y = 0;
    bool draggingInHandler = true;
};

// A window as the chart window has it: a pane holding a panel with a button
// on it, a grid, a label, and a scaled pane whose units are 7 pixels a bar
// across and a price running upward from 1000 at its top.
class ControlDragTest : public testing::Test {
protected:
    void SetUp() override {
        window.setGeometry(100, 100, 600, 400);
        pane = new QWidget(&window);
        pane->setGeometry(0, 0, 300, 200);
        panel = new Panel(drag, pane);
        panel->setGeometry(20, 30, 120, 50);
        button = new QPushButton("button", panel);
        button->setGeometry(60, 10, 50, 30);
        grid = new QTableWidget(20, 3, &window);
        grid->setGeometry(320, 0, 250, 200);
        label = new QLabel("label", &window);
        label->setGeometry(320, 220, 100, 30);
        scaled = new QWidget(&window);
        scaled->setGeometry(0, 220, 280, 150);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

        Target(pane, "pane");
        Target(panel, "panel");
        Target(grid, "grid");
        drag.SetDropTarget(
            scaled, [this](QWidget* source, double x, double y) { Note("scaled", source, x, y); },
            [](const QPointF& px) { return QPointF(px.x() / 7, 1000 - px.y()); });
    }

    void Target(QWidget* widget, const std::string& name) {
        drag.SetDropTarget(widget, [this, name](QWidget* source, double x, double y) { Note(name, source, x, y); });
    }

    void Note(const std::string& target, QWidget* source, double x, double y) {
        drops.push_back({target, source, x, y, drag.Dragging()});
    }

    // Press on the panel, move, release at `where` in the coordinates of
    // `over`, as the window system delivers them: every event to the panel,
    // which holds the mouse since the press.
    void DragPanelTo(QWidget* over, QPoint where) {
        QWindow* handle = window.windowHandle();
        const QPoint start = panel->mapTo(&window, QPoint(10, 10));
        const QPoint end = over->mapTo(&window, where);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QTest::mouseMove(handle, (start + end) / 2);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
    }

    QWidget window;
    ControlDrag drag;
    QWidget* pane = nullptr;
    Panel* panel = nullptr;
    QPushButton* button = nullptr;
    QTableWidget* grid = nullptr;
    QLabel* label = nullptr;
    QWidget* scaled = nullptr;
    std::vector<Drop> drops;
};

TEST_F(ControlDragTest, TheControlUnderTheReleaseReceivesThePanelAndThePointInItsUnits) {
    struct Case {
        const char* what;
        QWidget* over;
        QPoint where;
        std::optional<Drop> expected;
    };
    const Case cases[] = {
        {"on the pane: twips", pane, {200, 150}, Drop{"pane", nullptr, 3000, 2250}},
        // A panel dropped on itself receives itself.
        {"on the panel itself", panel, {30, 20}, Drop{"panel", nullptr, 450, 300}},
        {"on a cell of the grid", grid, {100, 100}, Drop{"grid", nullptr, 1500, 1500}},
        {"on the grid's column heading", grid, {100, 5}, Drop{"grid", nullptr, 1500, 75}},
        {"on the scaled pane: its own units", scaled, {70, 100}, Drop{"scaled", nullptr, 10, 900}},
        // The button lies on the panel but is a control of its own.
        {"on the button", button, {10, 10}, std::nullopt},
        {"on a control that is no target", label, {10, 10}, std::nullopt},
        {"on the window's free area", label, {10, 100}, std::nullopt},
    };
    for (const Case& c : cases) {
        drops.clear();
        DragPanelTo(c.over, c.where);
        EXPECT_FALSE(drag.Dragging()) << c.what;
        if (!c.expected) {
            EXPECT_TRUE(drops.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(drops.size(), 1u) << c.what;
        EXPECT_EQ(drops[0].target, c.expected->target) << c.what;
        EXPECT_EQ(drops[0].source, panel) << c.what;
        EXPECT_DOUBLE_EQ(drops[0].x, c.expected->x) << c.what;
        EXPECT_DOUBLE_EQ(drops[0].y, c.expected->y) << c.what;
        EXPECT_FALSE(drops[0].draggingInHandler) << c.what;
    }
    // The drag took the moves and the releases: the panel saw none.
    EXPECT_EQ(panel->moves, 0);
    EXPECT_EQ(panel->releases, 0);
}

TEST_F(ControlDragTest, AReceiverMovesThePanelSoThatTheGrabPointLiesUnderTheDrop) {
    // As the windows do it: the press handler keeps the grab point, the
    // drop handler places the panel from it.
    QPointF grab;
    QWidget* grabbed = nullptr;
    drag.SetDropTarget(pane, [&](QWidget* source, double x, double y) {
        SetLeft(source, x - grab.x());
        SetTop(source, y - grab.y());
        grabbed = source;
    });
    grab = QPointF(PixelsToTwips(10), PixelsToTwips(10));  // where DragPanelTo presses
    DragPanelTo(pane, QPoint(200, 150));
    EXPECT_EQ(grabbed, panel);
    EXPECT_EQ(panel->pos(), QPoint(190, 140));
}

TEST_F(ControlDragTest, AnOutlineFollowsThePointerUntilTheDrop) {
    QWindow* handle = window.windowHandle();
    const QPoint start = panel->mapTo(&window, QPoint(10, 10));
    QCursor::setPos(window.mapToGlobal(start));
    QTest::mousePress(handle, Qt::LeftButton, {}, start);
    auto* outline = window.findChild<QRubberBand*>();
    ASSERT_NE(outline, nullptr);
    EXPECT_TRUE(outline->isVisible());
    EXPECT_EQ(outline->geometry(), QRect(panel->mapTo(&window, QPoint(0, 0)), panel->size()));
    QTest::mouseMove(handle, start + QPoint(30, 15));
    EXPECT_EQ(outline->geometry(), QRect(panel->mapTo(&window, QPoint(30, 15)), panel->size()));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, pane->mapTo(&window, QPoint(5, 5)));
    EXPECT_EQ(window.findChild<QRubberBand*>(), nullptr);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].target, "pane");
}

TEST_F(ControlDragTest, AnEndedDragDropsNothingAndLeavesTheMouseToTheControls) {
    QWindow* handle = window.windowHandle();
    const QPoint start = panel->mapTo(&window, QPoint(10, 10));
    QTest::mousePress(handle, Qt::LeftButton, {}, start);
    ASSERT_TRUE(drag.Dragging());
    drag.EndDrag();
    drag.EndDrag();  // twice does no harm
    QTest::mouseMove(handle, start + QPoint(5, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(5, 0));
    EXPECT_TRUE(drops.empty());
    EXPECT_EQ(panel->moves, 1);
    EXPECT_EQ(panel->releases, 1);
    EXPECT_EQ(window.findChild<QRubberBand*>(), nullptr);
}

TEST_F(ControlDragTest, APanelThatGoesDuringTheDragIsDroppedNowhere) {
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, panel->mapTo(&window, QPoint(10, 10)));
    ASSERT_TRUE(drag.Dragging());
    const QPoint onPane = pane->mapTo(&window, QPoint(250, 150));
    delete panel;
    panel = nullptr;
    button = nullptr;
    QTest::mouseRelease(handle, Qt::LeftButton, {}, onPane);
    EXPECT_TRUE(drops.empty());
    EXPECT_FALSE(drag.Dragging());
}

}  // namespace
}  // namespace ranvik
