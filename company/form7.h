#pragma once
// The company results window Form7, as far as the main window deals with
// it: at most one, kept in CompanyInfoWindow, announcing itself in the
// window and file menus while it exists.
#include "core/child_form.h"

namespace ranvik {

class Form7 : public ChildForm {
    Q_OBJECT
public:
    explicit Form7(QWidget* parent = nullptr);
    void Form_Load() override;
    void Form_Unload() override;
};

void InstallCompanyWindowMaker();

}  // namespace ranvik
