#pragma once
// The data maintenance window Form2, as far as the main window deals with
// it: a single window that announces itself in the window menus while it is
// open, offers the window menu's arrangements, and takes the data file
// selected in the main window's data-file grid on every load request.
#include <cstdint>
#include <string>

#include "core/child_form.h"

class QLabel;

namespace ranvik {

class Form2 : public ChildForm {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    void Form_Load() override;
    void Form_Unload() override;
    void mnuWinItem_Click(int index);

    // Any request code: the selected data file becomes the window's, and
    // with ChartLoadMode "d" it is loaded.  Only while the window is idle.
    void FG1Text6_Change() override;
    // Takes the data-file grid's current row: the file name of column 4, or
    // column 1's text when column 4 is empty.  A row with neither names no
    // file.
    void SelectListedFile();
    // Loads DataFilePath into the record grid.  For now it only records the
    // file as the one shown.
    void LoadStockFile(int topRow);

    // Fields.
    std::int16_t OperationState = 0;  // 0 idle
    std::string SelectedFileName;
    std::string DataFilePath;    // the file the window works on; empty when none
    std::string DisplayName;
    std::string LoadedFilePath;  // the file whose records the grid shows

    QLabel* Label1 = nullptr;  // the file's name and trading unit
};

// Makes the application core create Form2 as its data maintenance window.
void InstallMaintenanceWindowMaker();

}  // namespace ranvik
