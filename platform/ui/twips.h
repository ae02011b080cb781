#pragma once
// Control geometry in twips.  The windows place their controls by Left, Top,
// Width and Height in twips; 15 twips make one pixel at the logical 96 dots
// per inch.  The logical resolution is fixed (FixLogicalDpi) so that fonts
// and geometry come out the same on every screen and in the offscreen tests;
// a high-resolution screen scales whole windows through the device pixel
// ratio instead.
#include <QWidget>

namespace ranvik {

constexpr int kTwipsPerPixel = 15;
constexpr int kLogicalDpi = 96;

// To be called before the QApplication is created.
void FixLogicalDpi();

// Pixels from twips, rounded to the nearest pixel; twips from pixels.
int TwipsToPixels(double twips);
int PixelsToTwips(int pixels);
double PixelsToTwips(double pixels);

// Geometry of a control within its parent, in twips.
int LeftOf(const QWidget* widget);
int TopOf(const QWidget* widget);
int WidthOf(const QWidget* widget);
int HeightOf(const QWidget* widget);
void SetLeft(QWidget* widget, double left);
void SetTop(QWidget* widget, double top);
void SetWidth(QWidget* widget, double width);
void SetHeight(QWidget* widget, double height);
// Move with all four values, as the original's Move method.
void MoveTwips(QWidget* widget, double left, double top, double width, double height);

// Brings a control in front of its siblings.
void BringToFront(QWidget* widget);

}  // namespace ranvik
