#pragma once
// The chart window Form3: one stock inside the main window.  This holds its
// life cycle as the window management sees it: its number and tab, its
// copies of the global menu marks, opening maximized and freeing its slot.
#include <cstdint>
#include <string>

#include "core/child_form.h"

class QFrame;
class QLabel;
class QScrollBar;

namespace ranvik {

class Form3 : public ChartWindowBase {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    // Makes the main window show this window: caption, window tabs and
    // ActiveWindowNo.
    void Activate10_Click();
    void mnuEnd_Click();
    void mnuMadoClose_Click();
    void mnuWinItem_Click(int index);
    void mnuTool0_Click(int index);
    void mnuFuncExItem_Click(int index);
    void mnuHelpItem_Click(int index);

    // Fields.
    double ChartShown = 0;
    std::string PeriodUnit;
    double ClipLevelH = 100;
    float ClipLevelL = 0;
    std::int16_t BackColorNo = 1;
    std::int16_t BandVolumeScale = 8;
    std::int16_t VolumeAreaRatio = 7;
    double StockSource = 1;
    std::int16_t PrintingNow = 0;
    std::string StockTitle;
    std::string DataFileName;
    std::string CommandLineFile;
    std::string MonthlyFileName;
    std::string WebTempFileName;
    std::string CorrectedFileName;
    std::string CorrectedSourceName;

    // Controls.
    QLabel* Label1 = nullptr;     // title strip
    QFrame* Picture1 = nullptr;   // price pane
    QFrame* Picture3 = nullptr;   // indicator pane
    QScrollBar* HScroll1 = nullptr;

    // Background colour index 0 to 6 (colour number index + 1).
    void SetBackgroundColour(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
};

// The background colour index a settings value gives: a number rounded to
// a whole one, 0 for an empty value, a text or anything outside 0 to 6.
int ColourIndexOf(const std::string& value);

// Makes the window management create Form3 for its chart windows.
void InstallChartWindowMaker();

}  // namespace ranvik
