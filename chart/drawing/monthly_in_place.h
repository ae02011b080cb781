#pragma once
// With monthly candles the overlays read the monthly file in place of the
// data file: it stands in as file number 1 and the monthly counts as
// FirstRecord and RecordCount, and the data file and the window's counts
// come back however the draw ends.
#include "chart/drawing/chart_file.h"
#include "chart/window/chart_window_state.h"
#include "core/program_state.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

class MonthlyFileInPlace {
public:
    // FileError when the monthly file cannot be opened; the data file and
    // the counts are back by then.
    MonthlyFileInPlace(ChartWindowState& f, ChartFile& file1) : f_(f), file1_(file1) {
        f.SavedFirstRecord = f.FirstRecord;
        f.SavedRecordCount = f.RecordCount;
        file1.Close();
        try {
            file1.Open(Program().app.AppDir + f.MonthlyFileName);
        } catch (const FileError&) {
            PutBack();
            throw;
        }
        f.FirstRecord = f.MonthlyFirstRecord;
        f.RecordCount = f.MonthlyRecordCount;
    }
    ~MonthlyFileInPlace() { PutBack(); }
    MonthlyFileInPlace(const MonthlyFileInPlace&) = delete;
    MonthlyFileInPlace& operator=(const MonthlyFileInPlace&) = delete;

private:
    void PutBack() {
        f_.RecordCount = f_.SavedRecordCount;
        f_.FirstRecord = f_.SavedFirstRecord;
        file1_.Close();
        try {
            file1_.Open(f_.DataFileName);
        } catch (const FileError&) {
            // The caller finds file number 1 closed; the window's fields are
            // whole.
        }
    }

    ChartWindowState& f_;
    ChartFile& file1_;
};

}  // namespace ranvik
