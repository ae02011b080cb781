#pragma once
// The data maintenance window Form2, as far as the main window deals with
// it: a single window that announces itself in the window menus while it is
// open and offers the window menu's arrangements.
#include "core/child_form.h"

namespace ranvik {

class Form2 : public ChildForm {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    void Form_Load() override;
    void Form_Unload() override;
    void mnuWinItem_Click(int index);
};

// Makes the application core create Form2 as its data maintenance window.
void InstallMaintenanceWindowMaker();

}  // namespace ranvik
