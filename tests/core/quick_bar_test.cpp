#include "core/quick_bar.h"

#include <QImage>
#include <QLineEdit>

#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

// Pixels of the bar's face within a rectangle given in twips, counted by
// colour.
int CountColour(const QImage& image, Color colour, int leftTw, int topTw, int widthTw, int heightTw) {
    const QRgb wanted = qRgb(colour.r, colour.g, colour.b);
    int n = 0;
    for (int y = topTw / 15; y < (topTw + heightTw) / 15 && y < image.height(); ++y)
        for (int x = leftTw / 15; x < (leftTw + widthTw) / 15 && x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xff000000u) == wanted) ++n;
    return n;
}

int CountNotColour(const QImage& image, Color colour) {
    return image.width() * image.height() - CountColour(image, colour, 0, 0, image.width() * 15, image.height() * 15);
}

class QuickBarTest : public test::MainWindowTest {};

TEST_F(QuickBarTest, TheQuickBarCarriesItsBoxesOnAFaceThatKeepsItsMarksUntilCleared) {
    WriteUrlList();
    MDIForm1& main = Start();
    QuickBar& bar = *main.Picture3;
    QLineEdit* box = main.QuickBoxes[2];
    ASSERT_EQ(box->parentWidget(), &bar);
    EXPECT_EQ(CountNotColour(bar.Image(), ButtonFaceColor()), 0);

    // A unit mark where the chart windows print it: right of the box.
    const int x = LeftOf(box) + WidthOf(box) + 20;
    const int y = TopOf(box) + 10;
    bar.PrintAt(x, y, "日", QBColor(0));
    EXPECT_GT(CountColour(bar.Image(), QBColor(0), x, y, 300, 300), 0);
    EXPECT_EQ(CountColour(bar.Image(), QBColor(0), 0, 0, x, bar.Image().height() * 15), 0) << "nothing left of the mark";

    // Reprinted in grey it turns grey; the bar keeps it through a resize.
    bar.PrintAt(x, y, "日", RGB(150, 150, 150));
    main.resize(main.width() + 40, main.height());
    EXPECT_EQ(CountColour(bar.Image(), QBColor(0), x, y, 300, 300), 0);
    EXPECT_GT(CountColour(bar.Image(), RGB(150, 150, 150), x, y, 300, 300), 0);

    bar.Cls();
    EXPECT_EQ(CountNotColour(bar.Image(), ButtonFaceColor()), 0);
}

}  // namespace
}  // namespace ranvik
