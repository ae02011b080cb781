#pragma once
// A chart window in a started main window whose quick parameter bar is a
// recording surface, so that the unit marks printed right of the boxes can
// be read back.
#include <QLabel>
#include <string>

#include "platform/ui/control_colors.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik::test {

// A unit mark as printed: its text and colour.
struct Mark {
    std::string text;
    Color color;
    bool operator==(const Mark&) const = default;
};

class QuickBarTest : public KindSwitchTest {
protected:
    // The bar's colours: red for a caption in use, black for a unit mark or
    // label in use, grey for one that is not.
    static inline const Color kLit = QBColor(12);
    static inline const Color kBlack = QBColor(0);
    static inline const Color kIdle = RGB(150, 150, 150);

    KindCountingForm3& Ready() {
        main_ = &Start();
        KindCountingForm3& w = W();
        w.quickBar = &bar;
        return w;
    }
    // The box whose unit mark the text `call` printed; 0, and a failure, for
    // a text printed anywhere else.
    static int MarkedBox(KindCountingForm3& w, const RecordedCall& call) {
        int found = 0;
        for (int textNo : {2, 3, 4, 5, 6, 8, 17, 18}) {
            const auto place = w.MainBoxPlace(textNo);
            if (call.x1 == place.left + place.width + 20 && call.y1 == place.top + 10) found = textNo;
        }
        EXPECT_NE(found, 0) << Describe(call);
        return found;
    }
    std::string Caption(int label) { return main_->QuickLabels[label]->text().toStdString(); }
    Color Colour(int label) { return ForeColorOf(main_->QuickLabels[label]); }

    MDIForm1* main_ = nullptr;
    RecordingSurface bar{20000, 1000};
};

}  // namespace ranvik::test
