#include "chart/panes/oscillator_reset.h"

namespace ranvik {

void PrintUnitBeside(ChartHost& w, int textNo, Color color) {
    Surface& bar = w.QuickBar();
    const ChartHost::BoxPlace box = w.MainBoxPlace(textNo);
    bar.SetForeColor(color);
    bar.SetCurrentY(box.top + 10);
    bar.SetCurrentX(box.left + box.width + 20);
    bar.Print(w.CheckValue(8) == 1 ? std::string("月") : w.Fields().PeriodUnit.Text());
}

void ResetOscillatorIndicators(ChartHost& w) {
    for (const char* item : {"mnuKairiRitsu", "mnu2LineKairiRitsu", "mnuモメンタム", "mnuRSI", "mnuRCI", "mnuストキャス",
                             "mnuMACD", "mnuPerOscillator"}) {
        w.Item(item, 1).SetChecked(false);
    }
    w.DimMacdParams();
    w.Item("mnuVector", 1).SetChecked(false);
    w.Item("mnuOBV", 1).SetChecked(false);
    ChartWindowState& f = w.Fields();
    f.OscPeriodWeekly = 0;
    f.OscPeriodDaily = 0;
    const Color idle = RGB(150, 150, 150);
    w.SetMainLabelColor(7, idle);
    w.SetMainBoxEnabled(3, false);
    w.SetMainBoxText(3, "");
    PrintUnitBeside(w, 3, idle);
}

}  // namespace ranvik
