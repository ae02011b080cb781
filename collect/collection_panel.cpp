#include "collect/collection_panel.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "core/child_form.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/pointers.h"

namespace ranvik {

namespace {
constexpr const char* kPanelTitle = "株価データ収集";
}  // namespace

CollectionPanel::CollectionPanel(QWidget* parent) : CollectionPanelBase(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(TwipsToPixels(3600));
    Label14 = new QLabel(this);
    Label14->setObjectName("Label14");
    MoveTwips(Label14, 60, 60, 3450, 270);
    Option3 = new QRadioButton("ﾃﾞｰﾀ追加更新", this);
    Option3->setObjectName("Option3");
    MoveTwips(Option3, 60, 420, 1700, 270);
    Option3->setChecked(true);
    Option4 = new QRadioButton("新規銘柄収集", this);
    Option4->setObjectName("Option4");
    MoveTwips(Option4, 1800, 420, 1700, 270);
    connect(Option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });
    connect(Option4, &QRadioButton::clicked, this, [this] { Option4_Click(); });
    Text15 = new QLineEdit(this);
    Text15->setObjectName("Text15");
    MoveTwips(Text15, 60, 780, 1500, 285);
    Text16 = new QLineEdit(this);
    Text16->setObjectName("Text16");
    MoveTwips(Text16, 1800, 780, 1500, 285);
    Text9 = new QTextEdit(this);
    Text9->setObjectName("Text9");
    MoveTwips(Text9, 60, 1200, 3450, 3000);
    終了 = new QPushButton("閉じる(X)", this);
    終了->setObjectName("終了");
    MoveTwips(終了, 2400, 4300, 1100, 330);
    終了->installEventFilter(this);
}

void CollectionPanel::終了_MouseUp(int x, int y) {
    if (!(x > 0 && x < WidthOf(終了) && y > 0 && y < HeightOf(終了))) return;
    終了->setPalette(QPalette());
    SetForeColor(Text15, QBColor(0));
    SetForeColor(Text16, QBColor(0));
    hide();
    if (MDIForm1* main = Program().windows.MainForm) {
        SetMousePointer(main->MSFGrid1, 1);
        SetMousePointer(main->MSF全Grid2, 1);
    }
}

void CollectionPanel::Option3_Click() {
    SetForeColor(Option3, QBColor(12));
    SetForeColor(Option4, QBColor(0));
    if (MDIForm1* main = Program().windows.MainForm) {
        // Updating needs a data file: the list grid offers none.
        SetMousePointer(main->MSF全Grid2, 12);
        SetMousePointer(main->MSFGrid1, 1);
        if (main->Picture1->isVisible()) main->Picture1->setFocus();
    }
}

void CollectionPanel::Option4_Click() {
    SetForeColor(Option3, QBColor(0));
    SetForeColor(Option4, QBColor(12));
    if (MDIForm1* main = Program().windows.MainForm) {
        // A new stock is one without a data file: the data-file grid is closed.
        SetMousePointer(main->MSFGrid1, 12);
        SetMousePointer(main->MSF全Grid2, 1);
        if (main->Picture1->isVisible()) main->Picture1->setFocus();
    }
}

void CollectionPanel::CollectFromGrid() { CollectStockData(); }

void CollectionPanel::CollectStockData() {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr || Program().collection.WebUpdateBusy == kTrue) return;
    if (CharCount(main->CollectCode) != 4) {
        ShowMessage("108, 銘柄を指定して下さい。", kPanelTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        main->CollectFilePath.clear();
        return;
    }
}

bool CollectionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == 終了 && event->type() == QEvent::MouseButtonRelease) {
        auto* e = static_cast<QMouseEvent*>(event);
        終了_MouseUp(PixelsToTwips(static_cast<int>(e->position().x())), PixelsToTwips(static_cast<int>(e->position().y())));
    }
    return CollectionPanelBase::eventFilter(watched, event);
}

void InstallCollectionPanelMaker() {
    Makers().collectionPanel = [](QWidget* parent) -> QWidget* { return new CollectionPanel(parent); };
}

}  // namespace ranvik
