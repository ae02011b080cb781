#pragma once
// The company results window Form7, as far as the main window deals with
// it: at most one, kept in CompanyInfoWindow, announcing itself in the
// window and file menus while it exists, and taking the selected stock on
// every load request.
#include <string>

#include "core/child_form.h"

namespace ranvik {

class Form7 : public ChildForm {
    Q_OBJECT
public:
    explicit Form7(QWidget* parent = nullptr);
    void Form_Load() override;
    void Form_Unload() override;

    // "4" takes the market label of the data-file grid's selected row, "5"
    // that of the list grid's; any text then refreshes the captions.
    void FG1Text6_Change() override;
    // Takes the new selection.  For now only the end of a "d" request.
    void RefreshCompanyCaption();

    std::string MarketLabel;  // the window's copy of MarketLabelText
};

void InstallCompanyWindowMaker();

}  // namespace ranvik
