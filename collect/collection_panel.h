#pragma once
// The main window's data collection panel Picture11: hidden at start, shown
// and hidden from the tools menu, closed by its own button.
#include <QFrame>

#include "platform/ui/control_colors.h"
#include "platform/ui/label_button.h"
#include "platform/ui/twips.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace ranvik {

class CollectionPanel : public QFrame {
    Q_OBJECT
public:
    explicit CollectionPanel(QWidget* parent = nullptr);

    // Closes the panel when (x, y) lies inside the close button.
    void 終了_MouseUp(int x, int y);

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
