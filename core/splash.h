#pragma once
// The program information box frmSplash: product name, version, the maker's
// lines and an "O K" label that closes it.
#include <QWidget>

#include "platform/ui/control_colors.h"
#include "platform/ui/label_button.h"
#include "platform/ui/twips.h"

class QFrame;
class QLabel;
class QPixmap;

namespace ranvik {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    void Form_Load();
    void Label3_MouseDown();
    void Label3_MouseMove();
    void Label3_MouseUp(int x, int y);
    void Frame1_MouseMove();

    QLabel* imgLogo = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblWarning = nullptr;
    LabelButton* Label3 = nullptr;  // "O K"
    QLabel* Label2 = nullptr;               // the face behind it
    QFrame* Frame1 = nullptr;

    static const Color kFaceNormal;
    static const Color kFaceHover;
    static const Color kFacePressed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int okTop_ = 0;  // top of "O K" at load (twips)
};

// The program's picture: the box's logo and the windows' icon.
QPixmap ProgramPicture();

// The single box: created and loaded on first use, shown modeless; shown
// again while open it comes to the front.
frmSplash* ShowSplash();
// The box while it is open, else null.
frmSplash* OpenSplash();

}  // namespace ranvik
