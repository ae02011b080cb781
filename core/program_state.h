#pragma once
// The chart program's program-wide variables, grouped by the part of the
// program that owns them.  Every window reads and writes them through
// Program(); nothing else is global.
#include <array>
#include <cstdint>
#include <string>

#include "core/quote_record.h"

namespace ranvik {

// Flags are -1 for true and 0 for false, as the stored settings and every
// window expect.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

// Stock data store.
struct StoreState {
    QuoteRecord QuoteBufA;       // scratch: drawers adjust its prices in place
    QuoteRecord QuoteBufB;
    std::int16_t RecordWritten = 0;  // -1 stored, 0 identical bar already there
};

// The stock being worked on, published by the main window.
struct SelectionState {
    std::string CurrentCode;      // 4 characters
    std::string CurrentName;
    std::string CurrentMarket;    // "." and the market letter
    std::string CurrentSection;   // section digit
    std::string CurrentUnitText;  // "(" & unit & "株)"
    std::string MarketLabelText;  // such as "<東証>"
    std::string ChartLoadMode;    // "s" select only, "d" select and draw
};

// Folders, titles and switches set at start-up.
struct ApplicationState {
    std::string AppDir;        // program folder, ending with "/"
    std::string SavedPageDir;
    std::string HelpFilePath;
    std::string AppTitle;
    std::string VersionSuffix;
    std::int16_t AdminMode = kFalse;
    int OsMajorVersion = 0;
};

// Settings file.
struct SettingsState {
    std::string IniValue;  // value found by the last settings read
};

// The main window's stock lists.
struct StockListState {
    std::string CurrentListTable;  // the choice whose table the list grid shows
};

// Downloads.  The URL list fills the quote site's address and the
// investment-information links at start-up; the downloads read them.
struct DownloadState {
    std::string QuoteSiteUrl;  // the quote site whose quote page the company window reads
    std::string InfoLink0;     // indicator page
    std::string InfoLink1;     // results page
    std::string InfoLink2;
};

// Calendar tables filled at start-up.
struct CalendarState {
    std::array<int, 12> MonthDays{};
    std::array<int, 12> DaysBeforeMonth{};
};

struct ProgramState {
    StoreState store;
    SelectionState selection;
    ApplicationState app;
    SettingsState settings;
    DownloadState download;
    CalendarState calendar;
    StockListState lists;
};

ProgramState& Program();
// Back to the state of a program that has just started (tests).
void ResetProgramState();

}  // namespace ranvik
