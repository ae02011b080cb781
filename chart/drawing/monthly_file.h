#pragma once
// The temporary monthly data file of a chart window: one record per calendar
// month of its daily or weekly data file, in the data file format, the
// month's bar width in x units kept in RecordNo (20 for daily data; for
// weekly data 14 or 28 by its number of weeks).  Prices, volumes and
// balances are taken corrected while the split correction is on.  The
// monthly records' RangeMax and RangeMin are left 0: nothing reads them.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

// File number 1 open on DataFileName, RecordCount its last record.  Names
// the file "Temp" & WindowNo & "m.KDT" in the program folder when the window
// has none yet (the number twice when that name is taken), builds it and
// opens file number 1 on the data file again.
void MakeMonthlyFile(ChartHost& window, ChartFile& file1);

// Width of a month of k weekly records: 3 weeks count as 4; 1 or 2 give 14.
std::int16_t WeeklyMonthWidth(int k);

}  // namespace ranvik
