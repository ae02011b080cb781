#pragma once
// Small window helpers the main window needs: twips geometry (15 twips to a
// pixel at the designed 96 dots per inch), QBColor numbers, back and fore
// colours of a control, and a label that reports presses and releases in
// twips, as label buttons need.
#include <QColor>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <cmath>

namespace ranvik::standin {

constexpr int kTwipsPerPixel = 15;
inline int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline int Tw(int pixels) { return pixels * kTwipsPerPixel; }

inline void SetTwips(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}
inline int LeftTw(const QWidget* w) { return Tw(w->x()); }
inline int TopTw(const QWidget* w) { return Tw(w->y()); }
inline int WidthTw(const QWidget* w) { return Tw(w->width()); }
inline int HeightTw(const QWidget* w) { return Tw(w->height()); }
inline void MoveTopTw(QWidget* w, int top) { w->move(w->x(), Px(top)); }
inline void SetHeightTw(QWidget* w, int height) { w->resize(w->width(), std::max(0, Px(height))); }
inline void SetWidthTw(QWidget* w, int width) { w->resize(std::max(0, Px(width)), w->height()); }

// The sixteen colours of QBColor(0) .. QBColor(15).
inline QColor QbColor(int n) {
    static const QColor colours[16] = {
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0}, {255, 255, 255}};
    return colours[(n % 16 + 16) % 16];
}

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
    static int Tw(double px) { return static_cast<int>(std::lround(px * kTwipsPerPixel)); }
};

}  // namespace ranvik::standin
