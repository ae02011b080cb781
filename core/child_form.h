#pragma once
// What the main window knows of the windows that open inside it: chart
// windows, the data maintenance window and the company results window.
// Each is a ChildForm shown in the main window's multiple-document area; its
// menu items are addressed by the name of their item array and their index,
// as every window addresses them ("mnuWinItem", 8).
#include <QKeySequence>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "core/menu_set.h"
#include "platform/ui/hidden_controls.h"

class QAction;
class QMenu;
class QMdiSubWindow;

namespace ranvik {

class ChildForm : public QWidget {
    Q_OBJECT
public:
    explicit ChildForm(QWidget* parent = nullptr);
    ~ChildForm() override;

    // A menu item of this window by its array's name and its index.
    MenuItem Item(const std::string& array, int index) const { return menus_.Item(array, index); }
    MenuItemArray* Menu(const std::string& array) const { return menus_.Get(array); }
    // The window's own menu bar, which takes the place of the main window's
    // while the window is the active child; null for a window without one.
    QMenuBar* MenuBar() const { return menuBar_; }

    // The frame of the multiple-document area holding the window; null
    // before it is shown.
    QMdiSubWindow* Frame() const;
    void BringToFront();
    bool OpensMaximized() const { return opensMaximized_; }
    bool Loaded() const { return loaded_; }

    // Runs Form_Load once: the main window calls it when it shows the
    // window, before the window appears.
    void Load();

    // The hidden box through which the main window sends a load request
    // ("4", "5", "1", "2", "11", "12"): every child window answers it in its
    // FG1Text6_Change, which runs nested inside the assignment.
    HiddenTextBox FG1Text6;
    virtual void FG1Text6_Change() {}

    // Event handlers of the window.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

protected:
    QMenuBar* EnsureMenuBar();
    // A new item array in `menu`.
    MenuItemArray* AddMenuArray(QMenu* menu, const std::string& name) { return menus_.Add(menu, this, name); }
    void SetOpensMaximized(bool maximized) { opensMaximized_ = maximized; }
    void closeEvent(QCloseEvent* event) override;

private:
    MenuSet menus_;
    QPointer<QMenuBar> menuBar_;
    bool opensMaximized_ = false;
    bool loaded_ = false;
    bool unloaded_ = false;
};

// A chart window as the window management sees it: its slot number.
class ChartWindowBase : public ChildForm {
    Q_OBJECT
public:
    using ChildForm::ChildForm;
    std::int16_t WindowNo = 0;

    // What the print settings window reads of a chart window: its chart-kind
    // box Check1 (1 the candlestick chart), whether a load is pending (Timer1
    // running) and its title strip Label1; and its command box CommCheck,
    // which it sets to send ChartCommand.
    virtual int ChartKindBox() const { return 0; }
    virtual bool LoadPending() const { return false; }
    virtual std::string TitleStrip() const { return {}; }
    virtual void SetCommCheck(int /*value*/) {}
    // The hidden boxes the toolbar sets: the chart kind and option boxes
    // Check1 to Check12 (null for 5 and any other number) and CommCheck,
    // which carries out ChartCommand.
    virtual HiddenCheckBox* CheckBox(int /*number*/) { return nullptr; }
    virtual HiddenCheckBox* CommandBox() { return nullptr; }
};

// The windows that the application core opens but other parts of the
// program build.  Each part installs its maker at program start (and tests
// install theirs); a maker that is not installed opens nothing.
struct ChildFormMakers {
    std::function<ChartWindowBase*()> chartWindow;
    std::function<ChildForm*()> maintenanceWindow;
    std::function<ChildForm*()> companyWindow;
    // The collection panel Picture11, built into the main window.
    std::function<QWidget*(QWidget* parent)> collectionPanel;
    // The classification of the address bar's text into a quote-site kind,
    // run on every change of the text; it sets the main window's CollectUrl.
    std::function<void(const std::string& barText, std::string& collectUrl)> addressBarChanged;
};
ChildFormMakers& Makers();

}  // namespace ranvik
