#pragma once
// The main window's saved-page browser: a folder list (Dir1) and under it a
// file list (File1) of the folder's "*htm" pages, from which the debug mode
// reads pages instead of downloading them.  Both float over the stock lists,
// appear while a chart window's debug item is on, are dragged with the
// mouse onto one another or onto either grid, and the folder list grows by
// right-button presses.  The folder chosen becomes SavedPageDir.
#include <string>

#include <QObject>

class QFileSystemModel;
class QListView;
class QTreeView;

namespace ranvik {

class ControlDrag;
class MDIForm1;

class SavedPageBrowser : public QObject {
    Q_OBJECT
public:
    // Both lists hidden, on the main window's list pane.
    explicit SavedPageBrowser(MDIForm1& main);

    // The browser of the main window, made on first use.
    static SavedPageBrowser& Of(MDIForm1& main);

    QTreeView* Dir1 = nullptr;
    QListView* File1 = nullptr;
    // Where the dragged list was grabbed, in twips inside it.
    double DragOffsetX = 0;
    double DragOffsetY = 0;

    void SetVisible(bool visible);
    // The folder the folder list shows, and choosing one as the user does
    // (which runs Dir1_Change).
    std::string Path() const;
    void ChooseFolder(const std::string& folder);
    // The folder list's height in twips (its Height property).
    double Dir1Height() const { return dir1Height_; }

    void Dir1_Change();
    // Buttons 1 left, 2 right, 4 middle; x and y in twips inside the list.
    void Dir1_MouseDown(int button, int shift, double x, double y);
    void File1_MouseDown(int button, int shift, double x, double y);
    // A list dropped on `target` (Dir1, File1 or one of the grids) at x, y
    // inside it.
    void List_DragDrop(QWidget* target, QWidget* source, double x, double y);
    ControlDrag* Drag() const { return drag_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetDir1Height(double twips);

    MDIForm1& main_;
    QFileSystemModel* folders_ = nullptr;
    QFileSystemModel* files_ = nullptr;
    ControlDrag* drag_ = nullptr;
    double dir1Height_ = 0;
};

}  // namespace ranvik
