#pragma once
// The main window's data collection panel Picture11: hidden at start, shown
// and hidden from the tools menu, closed by its own button.  Its two mode
// options close the grid the mode does not use; a double click in a grid
// collects the chosen stock (for now only the check of the target: the
// downloads and readers come with the collection itself).
#include "core/collection_panel_base.h"

#include "platform/ui/control_colors.h"
#include "platform/ui/label_button.h"
#include "platform/ui/twips.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace ranvik {

class CollectionPanel : public CollectionPanelBase {
    Q_OBJECT
public:
    explicit CollectionPanel(QWidget* parent = nullptr);

    // Closes the panel when (x, y) lies inside the close button.
    void 終了_MouseUp(int x, int y) override;
    // Update mode: the list grid gets the no-drop pointer (12), the data-file
    // grid the arrow (1).  New-stock mode: the other way round.
    void Option3_Click();
    void Option4_Click();
    // The double click's collection of the main window's CollectCode.
    void CollectFromGrid() override;
    // Refuses a target that is not a code of four characters with 108.
    void CollectStockData();

    QLabel* Label14 = nullptr;        // title
    QRadioButton* Option3 = nullptr;  // ﾃﾞｰﾀ追加更新
    QRadioButton* Option4 = nullptr;  // 新規銘柄収集
    QLineEdit* Text15 = nullptr;      // dates
    QLineEdit* Text16 = nullptr;
    QTextEdit* Text9 = nullptr;       // report
    QPushButton* 終了 = nullptr;      // 閉じる(X)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

void InstallCollectionPanelMaker();

}  // namespace ranvik
