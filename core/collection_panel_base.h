#pragma once
// The data collection panel Picture11 as the main window drives it.  The
// price data collection builds the panel (Makers().collectionPanel); the main
// window's grids hand it their double clicks and its keyboard closes it.
#include <QFrame>

namespace ranvik {

class CollectionPanelBase : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

    // Closes the panel when (x, y), in twips within the close button, lies
    // inside the button.
    virtual void 終了_MouseUp(int x, int y) = 0;
    // Collects the target the grids chose (CollectCode, CollectFilePath,
    // CollectDaily of the main window) from the address in CollectUrl.
    virtual void CollectFromGrid() = 0;
    // Whether `box` is one of the panel's two date boxes, whose Enter the
    // main window's quick parameter handling checks as a date.
    virtual bool IsDateBox(const QObject* /*box*/) const { return false; }
};

}  // namespace ranvik
