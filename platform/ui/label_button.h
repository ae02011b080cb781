#pragma once
// A label drawn as a button: a coloured face (its back colour) that moves
// while the left button is held on it and acts (Click) only when the button
// is released inside it.  The press look moves the label by an offset in
// twips (15 down unless set otherwise) and may also change its size; the
// release puts back the geometry it had before the press.  Windows that
// decide themselves when a label looks pressed turn the automatic look off
// and call ShowPressed / ShowReleased from their handlers.
#include <QLabel>
#include <QRect>

namespace ranvik {

class LabelButton : public QLabel {
    Q_OBJECT
public:
    explicit LabelButton(QWidget* parent = nullptr);
    explicit LabelButton(const QString& caption, QWidget* parent = nullptr);

    // Offset of the pressed look, in twips.
    void SetPressLook(int dxTwips, int dyTwips, int dwTwips = 0, int dhTwips = 0);
    void SetAutoPressLook(bool automatic) { autoPressLook_ = automatic; }
    void ShowPressed();
    void ShowReleased();
    bool LooksPressed() const { return looksPressed_; }

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    // A left press released inside the label, after the release look.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int dx_ = 0;
    int dy_ = 15;
    int dw_ = 0;
    int dh_ = 0;
    bool autoPressLook_ = true;
    bool looksPressed_ = false;
    bool leftHeld_ = false;
    QRect released_;
};

}  // namespace ranvik
