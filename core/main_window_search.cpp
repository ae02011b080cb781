// The stock search of the list pane: the search box, the search button and
// the close button of the search frame.
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>

#include "core/list_pane.h"
#include "core/main_window.h"
#include "core/main_window_internal.h"
#include "core/program_state.h"
#include "core/stock_search.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/keys.h"
#include "platform/ui/pointers.h"

namespace ranvik {

using namespace main_window_internal;

namespace {

constexpr const char* kMessage004 = "004, 検索キーを入力して下さい。  ";
constexpr const char* kMessage003 = "003,  見つかりません。  ";
constexpr const char* kMessage900 = "900,  検索終了。  ";

// Hands the search box's keys and the pointer over the close button to the
// main window's handlers.
class SearchFrameEvents : public QObject {
public:
    SearchFrameEvents(QObject* parent, QObject* keySource, QObject* closeButton,
                      std::function<bool(int, int)> keyDown, std::function<void()> closeMouseMove)
        : QObject(parent),
          keySource_(keySource),
          closeButton_(closeButton),
          keyDown_(std::move(keyDown)),
          closeMouseMove_(std::move(closeMouseMove)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == keySource_ && event->type() == QEvent::KeyPress) {
            const auto* e = static_cast<QKeyEvent*>(event);
            if (keyDown_(VirtualKeyCode(*e), ShiftStateOf(e->modifiers()))) return true;
        } else if (watched == closeButton_ && event->type() == QEvent::MouseMove) {
            closeMouseMove_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QObject* keySource_;
    QObject* closeButton_;
    std::function<bool(int, int)> keyDown_;
    std::function<void()> closeMouseMove_;
};

}  // namespace

void MDIForm1::ConnectSearchFrame() {
    // The box keeps the keys searched so far and offers them as typed: it
    // neither adds a key on its own nor completes what is being typed, which
    // would search for another key than the one typed.
    Combo3->setInsertPolicy(QComboBox::NoInsert);
    Combo3->setCompleter(nullptr);
    connect(Combo3, &QComboBox::editTextChanged, this, [this](const QString&) { Combo3_Change(); });
    connect(Combo3, &QComboBox::activated, this, [this](int) { Combo3_Click(); });
    connect(検索cmd, &QPushButton::clicked, this, [this] { 検索cmd_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    Command2->setMouseTracking(true);
    auto* events = new SearchFrameEvents(
        this, Combo3->lineEdit(), Command2,
        [this](int keyCode, int shift) {
            Combo3_KeyDown(keyCode, shift);
            // Enter is used up by the search; other keys edit the box.
            return keyCode == 13;
        },
        [this] { Command2_MouseMove(); });
    Combo3->lineEdit()->installEventFilter(events);
    Command2->installEventFilter(events);
    listPane_->ResetSearch = [this] { Combo3_Change(); };
}

void MDIForm1::Combo3_Change() {
    auto& search = Program().search;
    search.SearchRow = 0;
    search.SearchEnd = MSF全Grid2->Rows() - 1;
    search.SearchHits = 0;
}

void MDIForm1::Combo3_Click() { Combo3_Change(); }

void MDIForm1::Combo3_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode != 13) return;
    検索cmd_Click();
    // Repeated Enter presses step through the matches.
    Combo3->setFocus();
}

void MDIForm1::検索cmd_Click() {
    const QString key = Combo3->currentText();
    if (key.isEmpty()) {
        ShowMessage(kMessage004, kProgramName, MessageIcon::Exclamation, MessageButtons::Ok);
        Combo3->setFocus();
        return;
    }
    if (Combo3->findText(key, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        // Adding the key to the list is no edit of the key: the search must
        // not start again from the top.
        const QSignalBlocker block(Combo3);
        Combo3->addItem(key);
        Combo3->setEditText(key);
    }
    auto& search = Program().search;
    if (FindNextInGrid(*MSF全Grid2, S(key))) {
        HighlightListRow(MSF全Grid2->Row());
        ++search.SearchHits;
        return;
    }
    ShowMessage(search.SearchHits > 0 ? kMessage900 : kMessage003, kProgramName, MessageIcon::Information,
                MessageButtons::Ok);
    search.SearchRow = 0;
    search.SearchEnd = MSF全Grid2->Rows() - 1;
    Combo3->setFocus();
}

void MDIForm1::Command2_Click() {
    Combo1->setCurrentIndex(Combo1->findText(Q(Program().lists.CurrentListTable)));
    Frame26->hide();
    FocusToolbarStrip();
}

void MDIForm1::Command2_MouseMove() {
    SetMousePointer(Picture2, 1);
    ListPaneDragX = 0;
}

}  // namespace ranvik
