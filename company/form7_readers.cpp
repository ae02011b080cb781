// What Form7's page readers show.  Until the pages are read these show the
// panels, charts and grid as the readers leave them.
#include <QGroupBox>

#include "company/form7.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/ui/chart_control.h"
#include "platform/ui/flex_grid.h"

namespace ranvik {

void Form7::ParseQuoteIndicators() { Frame1->show(); }

void Form7::ParseAnnualResults() {
    for (int no : {1, 2, 3, 5}) MSChart[no]->show();
    // The grid is shown only while the results-data item has its mark.
    if (MDIForm1* main = Program().windows.MainForm; main != nullptr && main->Item("mnu会社Item", 1).Checked()) {
        MSFGrid1->show();
    }
    ParseInterimResults();
    ParseDividendPerShare();
}

void Form7::ParseInterimResults() {
    MSChart[4]->show();
    Frame2->show();
}

void Form7::ParseDividendPerShare() { Frame3->show(); }

}  // namespace ranvik
