// The saved-page browser: folder list, file list, the folder as SavedPageDir, the height cycle and the drag.
#include "chart/window/saved_page_browser.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QMouseEvent>
#include <QTreeView>

#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/ui/control_drag.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/keys.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

constexpr double kDir1StartHeight = 1980;
constexpr double kDir1TallestBeforeReset = 3960;
constexpr double kDir1Step = 200;

}  // namespace

SavedPageBrowser::SavedPageBrowser(MDIForm1& main) : QObject(&main), main_(main), drag_(new ControlDrag(this)) {
    QWidget* pane = main.Picture2;

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    Dir1 = new QTreeView(pane);
    Dir1->setObjectName("Dir1");
    Dir1->setModel(folders_);
    Dir1->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) Dir1->hideColumn(column);
    MoveTwips(Dir1, 60, 1500, 2400, kDir1StartHeight);
    dir1Height_ = kDir1StartHeight;

    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::Files);
    files_->setNameFilters({"*htm"});
    files_->setNameFilterDisables(false);
    File1 = new QListView(pane);
    File1->setObjectName("File1");
    File1->setModel(files_);
    MoveTwips(File1, 60, 1500 + kDir1StartHeight + 30, 2400, 1500);

    // The folder list opens at the process's current folder; SavedPageDir
    // stays as the start-up set it until a folder is chosen.
    const QString start = QDir::currentPath();
    Dir1->setCurrentIndex(folders_->index(start));
    Dir1->scrollTo(Dir1->currentIndex());
    File1->setRootIndex(files_->setRootPath(start));
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { Dir1_Change(); });

    for (QWidget* list : {static_cast<QWidget*>(Dir1), static_cast<QWidget*>(File1)}) {
        static_cast<QAbstractScrollArea*>(list)->viewport()->installEventFilter(this);
        list->hide();
    }
    for (QWidget* target : {static_cast<QWidget*>(Dir1), static_cast<QWidget*>(File1),
                            static_cast<QWidget*>(main.MSFGrid1), static_cast<QWidget*>(main.MSF全Grid2)}) {
        drag_->SetDropTarget(target, [this, target](QWidget* source, double x, double y) {
            List_DragDrop(target, source, x, y);
        });
    }
}

SavedPageBrowser& SavedPageBrowser::Of(MDIForm1& main) {
    if (auto* browser = main.findChild<SavedPageBrowser*>(QString(), Qt::FindDirectChildrenOnly)) return *browser;
    return *new SavedPageBrowser(main);
}

void SavedPageBrowser::SetVisible(bool visible) {
    for (QWidget* list : {static_cast<QWidget*>(Dir1), static_cast<QWidget*>(File1)}) {
        list->setVisible(visible);
        // They float over the stock lists.
        if (visible) list->raise();
    }
}

std::string SavedPageBrowser::Path() const {
    const QModelIndex current = Dir1->currentIndex();
    return current.isValid() ? folders_->filePath(current).toStdString() : std::string();
}

void SavedPageBrowser::ChooseFolder(const std::string& folder) {
    QString path = QString::fromStdString(folder);
    if (path.size() > 1 && path.endsWith('/')) path.chop(1);
    const QModelIndex index = folders_->index(path);
    if (index.isValid()) Dir1->setCurrentIndex(index);
}

void SavedPageBrowser::Dir1_Change() {
    const std::string path = Path();
    if (path.empty()) return;
    File1->setRootIndex(files_->setRootPath(QString::fromStdString(path)));
    std::string& saved = Program().app.SavedPageDir;
    saved = path;
    // A root folder already ends in the separator.
    if (saved.back() != '/') saved += '/';
}

void SavedPageBrowser::SetDir1Height(double twips) {
    dir1Height_ = twips;
    SetHeight(Dir1, twips);
}

void SavedPageBrowser::Dir1_MouseDown(int button, int, double x, double y) {
    if (button == kRightButton) {
        SetDir1Height(dir1Height_ < kDir1TallestBeforeReset ? dir1Height_ + kDir1Step : kDir1StartHeight);
        return;
    }
    DragOffsetX = x;
    DragOffsetY = y;
    drag_->BeginDrag(Dir1);
}

void SavedPageBrowser::File1_MouseDown(int, int, double x, double y) {
    DragOffsetX = x;
    DragOffsetY = y;
    drag_->BeginDrag(File1);
}

void SavedPageBrowser::List_DragDrop(QWidget* target, QWidget* source, double x, double y) {
    // The point where the list was grabbed comes under the drop point.
    SetLeft(source, LeftOf(target) + x - DragOffsetX);
    SetTop(source, TopOf(target) + y - DragOffsetY);
}

bool SavedPageBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    // Presses inside a list arrive at its viewport.
    QWidget* list = watched == Dir1->viewport() ? static_cast<QWidget*>(Dir1)
                    : watched == File1->viewport() ? static_cast<QWidget*>(File1)
                                                   : nullptr;
    if (list == nullptr) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = static_cast<QWidget*>(watched)->mapTo(list, mouse->position().toPoint());
    const int button = MouseButtonOf(*mouse);
    const int shift = ShiftStateOf(mouse->modifiers());
    const double x = PixelsToTwips(at.x());
    const double y = PixelsToTwips(at.y());
    if (list == Dir1) {
        Dir1_MouseDown(button, shift, x, y);
    } else {
        File1_MouseDown(button, shift, x, y);
    }
    // The list still takes the press: a click chooses a folder.
    return false;
}

}  // namespace ranvik
