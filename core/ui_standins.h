#pragma once
// Small window helpers of the main window: short names for twips geometry,
// back and fore colours of a control, and a label that reports presses,
// moves and releases in twips, as label buttons need.
#include <QColor>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/ui/colors.h"
#include "platform/ui/twips.h"

namespace ranvik::standin {

inline int Px(double twips) { return TwipsToPixels(twips); }
inline int Tw(int pixels) { return PixelsToTwips(pixels); }

inline void SetTwips(QWidget* w, double left, double top, double width, double height) {
    MoveTwips(w, left, top, std::max(0.0, width), std::max(0.0, height));
}
inline int LeftTw(const QWidget* w) { return LeftOf(w); }
inline int TopTw(const QWidget* w) { return TopOf(w); }
inline int WidthTw(const QWidget* w) { return WidthOf(w); }
inline int HeightTw(const QWidget* w) { return HeightOf(w); }
inline void MoveTopTw(QWidget* w, int top) { SetTop(w, top); }
inline void SetHeightTw(QWidget* w, int height) { SetHeight(w, std::max(0, height)); }
inline void SetWidthTw(QWidget* w, int width) { SetWidth(w, std::max(0, width)); }

inline QColor QbColor(int n) { return ToQColor(QBColor(n)); }

inline void SetBackColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}
inline QColor BackColor(const QWidget* w) { return w->palette().color(QPalette::Window); }
inline void SetForeColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}
inline QColor ForeColor(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

// A label whose presses, moves and releases reach the window with the
// button and the point in twips of the label, as label buttons and image
// buttons use them.
class EventLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void MouseDown(int button, int x, int y);
    void MouseMove(int button, int x, int y);
    void MouseUp(int button, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* e) override {
        emit MouseDown(static_cast<int>(e->button()), Tw(e->position().x()), Tw(e->position().y()));
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        emit MouseMove(static_cast<int>(e->buttons()), Tw(e->position().x()), Tw(e->position().y()));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        emit MouseUp(static_cast<int>(e->button()), Tw(e->position().x()), Tw(e->position().y()));
    }

private:
    static int Tw(double px) { return static_cast<int>(std::lround(PixelsToTwips(px))); }
};

}  // namespace ranvik::standin
