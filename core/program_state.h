#pragma once
// The chart program's program-wide variables, grouped by the part of the
// program that owns them.  Every window reads and writes them through
// Program(); nothing else is global.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/quote_record.h"

namespace ranvik {

class MDIForm1;
class ChildForm;
class ChartWindowBase;
class Printer;

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
    // The main window's debug item (function menu item 7): the page readers
    // then read pages saved in SavedPageDir instead of fresh downloads.
    std::int16_t DebugPages = kFalse;
    int OsMajorVersion = 0;
    std::string UrlListVersion;  // version digits of the URL list read at start
    std::string WeekdayText;     // today's weekday, "日" to "土", for the collection panel's title
    // The list editor this program started (its task id), 0 when none was
    // started or the last start failed.  An editor since closed is found out
    // by the next raise.
    std::int64_t ListEditorTaskId = 0;
};

// Settings file.
struct SettingsState {
    std::string IniValue;  // value found by the last settings read
};

// The main window's stock lists.
struct StockListState {
    std::string CurrentListTable;  // the choice whose table the list grid shows
};

// The list pane's stock search.
struct StockSearchState {
    int SearchRow = 0;   // row of the last match; the next search starts below it (0: from the top)
    int SearchEnd = 0;   // last row searched: the list grid's row count - 1
    int SearchHits = 0;  // matches found since the key was last changed
};

// Downloads.  The URL list fills the quote site's address and the
// investment-information links at start-up; the downloads read them.
struct DownloadState {
    std::string QuoteSiteUrl;  // the quote site whose quote page the company window reads
    std::string InfoLink0;     // indicator page
    std::string InfoLink1;     // results page
    std::string InfoLink2;
    // Page files of the downloads, deleted when the program ends.
    std::string PageFile1, PageFile2, PageFile3, PageFile4;
    std::string PageFile5, PageFile6, PageFile7, PageFile8;
    std::string PageHeadFile;
    std::string CurrentPageFile;  // the page file a download is writing
};

// Price data collection and the chart windows' web update.  NetFailed and
// WebDataFetched are 1 and 0, not flags: the readers and the downloads test
// them against those numbers.
struct CollectionState {
    std::int16_t WebUpdateBusy = kFalse;  // -1 while a download runs: a second one is refused
    std::int16_t NetFailed = 0;           // 1 from the start of a download until it has succeeded
    std::int16_t InetState = 0;           // last state a page transfer reported; 8 and 10 are success
    std::int16_t WebDataFetched = 0;      // 1 once a list stock was fetched into a window's temporary file
    std::string UpdateLog;                // report of the last import; "更新..." means nothing was stored
    std::string PagePriceText;            // current price read from a quote page
    std::string PagePriceNote;            // the text beside it
    // The address bar's quote-site kind: at most one is -1.
    std::int16_t QuoteSiteKind1 = kFalse;
    std::int16_t QuoteSiteKind2 = kFalse;
    std::int16_t QuoteSiteKind3 = kFalse;
    std::int16_t QuoteSiteKind4 = kFalse;
    std::int16_t QuoteSiteKind5 = kFalse;
    // -1 while the program itself writes into the address bar: the write is
    // not classified.
    std::int16_t AddressBarGuard = kFalse;
    // Results of the exchange calendar's routines, kept until the next call.
    std::int16_t MondayHolidayFlag = kFalse;
    std::int16_t FixedHolidayFlag = kFalse;
    std::string DateYearPart;   // two digits from LastBusinessDay, four from DateMinusDays
    std::string DateMonthPart;  // two digits
    std::string DateDayPart;    // two digits
};

// Calendar tables filled at start-up; elements 1 to 12 are the months.
struct CalendarState {
    std::array<int, 14> MonthDays{};
    std::array<int, 14> DaysBeforeMonth{};
};

// The windows of the program.  The main window exists once; chart windows
// sit in slots 1 to 3 (a free slot is null); the data maintenance window is
// a single instance created on first use; the company results window exists
// at most once.
struct WindowRegistryState {
    MDIForm1* MainForm = nullptr;
    ChartWindowBase* ChartWindow1 = nullptr;
    ChartWindowBase* ChartWindow2 = nullptr;
    ChartWindowBase* ChartWindow3 = nullptr;
    std::int16_t NewWindowNo = 0;     // slot of the chart window being created
    std::int16_t ActiveWindowNo = 0;  // the chart window that drives the main window
    ChildForm* MaintenanceWindow = nullptr;
    ChildForm* CompanyInfoWindow = nullptr;

    ChartWindowBase*& ChartWindow(int no) {
        return no == 1 ? ChartWindow1 : no == 2 ? ChartWindow2 : ChartWindow3;
    }
};

// Commands sent to the chart windows.
struct CommandChannelState {
    std::int16_t ChartCommand = 0;
    std::string RemovedDataFile;
    std::int16_t BackColorIndex = 0;  // chart background colour 0 to 6
};

// Printing: the program's own current printer, the system's default at
// start (made on first use), then the one chosen in the print settings.
struct PrintState {
    std::shared_ptr<Printer> CurrentPrinter;
};

struct ProgramState {
    StoreState store;
    SelectionState selection;
    ApplicationState app;
    SettingsState settings;
    DownloadState download;
    CollectionState collection;
    CalendarState calendar;
    StockListState lists;
    StockSearchState search;
    WindowRegistryState windows;
    CommandChannelState commands;
    PrintState print;
};

ProgramState& Program();
// Back to the state of a program that has just started (tests).
void ResetProgramState();

}  // namespace ranvik
