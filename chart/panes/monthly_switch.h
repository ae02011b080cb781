#pragma once
// With monthly candles the panes read the temporary monthly file in place
// of the data file: it stands in as file number 1 and the monthly counts as
// FirstRecord and RecordCount for the time of one draw.  The data file and
// the window's counts come back however the draw ends.
#include "chart/drawing/chart_file.h"
#include "chart/window/chart_window_state.h"
#include "core/program_state.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

class MonthlySwitch {
public:
    // Off: nothing changes.  A monthly file that cannot be opened raises the
    // FileError after the data file is open again.
    MonthlySwitch(ChartWindowState& f, ChartFile& file1, bool on) : f_(f), file1_(file1), on_(on) {
        if (!on_) return;
        file1.Close();
        f.SavedFirstRecord = f.FirstRecord;
        f.SavedRecordCount = f.RecordCount;
        try {
            file1.Open(Program().app.AppDir + f.MonthlyFileName);
        } catch (const FileError&) {
            PutBack();
            throw;
        }
        f.FirstRecord = f.MonthlyFirstRecord;
        f.RecordCount = f.MonthlyRecordCount;
    }
    ~MonthlySwitch() {
        if (on_) PutBack();
    }
    MonthlySwitch(const MonthlySwitch&) = delete;
    MonthlySwitch& operator=(const MonthlySwitch&) = delete;

private:
    void PutBack() {
        file1_.Close();
        f_.RecordCount = f_.SavedRecordCount;
        f_.FirstRecord = f_.SavedFirstRecord;
        try {
            file1_.Open(f_.DataFileName);
        } catch (const FileError&) {
            // The caller finds file number 1 closed; the window's fields are
            // whole.
        }
    }

    ChartWindowState& f_;
    ChartFile& file1_;
    bool on_;
};

}  // namespace ranvik
