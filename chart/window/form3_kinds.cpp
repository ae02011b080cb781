// Form3: the other chart kinds and the year-selection panel.
#include <QComboBox>
#include <QGroupBox>

#include "chart/kinds/point_figure.h"
#include "chart/kinds/reverse_watch.h"
#include "chart/kinds/stock_compare.h"
#include "chart/kinds/three_line_break.h"
#include "chart/kinds/year_compare.h"
#include "chart/window/form3.h"

namespace ranvik {

void Form3::DrawStockCompare(ChartFile& file1) { ranvik::DrawStockCompare(*this, file1); }
void Form3::DrawReverseWatch(ChartFile& file1) { ranvik::DrawReverseWatch(*this, file1); }
void Form3::DrawPointFigure(ChartFile& file1) { ranvik::DrawPointFigure(*this, file1); }
void Form3::DrawYearCompare(ChartFile& file1) { ranvik::DrawYearCompare(*this, file1); }
void Form3::DrawThreeLineBreak(ChartFile& file1) { ranvik::DrawThreeLineBreak(*this, file1); }

void Form3::SetYearPanelVisible(bool visible) { Frame3->setVisible(visible); }

void Form3::ClearYearList() { Combo1->clear(); }

void Form3::AddYearToList(const std::string& year) { Combo1->addItem(QString::fromStdString(year)); }

void Form3::SetYearListText(const std::string& text) {
    Combo1->setEditable(true);
    Combo1->setEditText(QString::fromStdString(text));
}

std::string Form3::YearListText() const { return Combo1->currentText().toStdString(); }

void Form3::Combo1_Click() { PickYear(*this); }

void Form3::Command1_Click() { ResetYearChart(*this); }

}  // namespace ranvik
