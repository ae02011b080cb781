#pragma once
// A main window with the company results window's maker installed, three
// stocks in the list grid and a recording page transfer in place of the
// web: it logs every address asked for and answers as each test sets it.
#include <QCoreApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "company/company_pages.h"
#include "company/form7.h"
#include "platform/runtime/text_file.h"
#include "platform/ui/flex_grid.h"
#include "tests/core/list_table_fixture.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik::test {

// How the recording transfer answers one address.
enum class Answer {
    Page,      // states 1, 8 and the page set for the address, else "<p>" & address & "</p>"
    NoState,   // the page text without any state
    NotFound,  // state 11 (an error reply) and an error page
    TimeOut,   // the request itself fails
};

class RecordingTransfer {
public:
    PageReply operator()(const std::string& address, const PageStateHandler& stateChanged) {
        log.push_back(address);
        if (onRequest) onRequest();
        const auto it = answers.find(address);
        const Answer answer = it != answers.end() ? it->second : Answer::Page;
        switch (answer) {
            case Answer::Page: {
                stateChanged(1);
                stateChanged(8);
                const auto page = pages.find(address);
                return {false, page != pages.end() ? page->second : "<p>" + address + "</p>"};
            }
            case Answer::NoState: return {false, "<p>" + address + "</p>"};
            case Answer::NotFound: stateChanged(11); return {false, "<h1>404</h1>"};
            case Answer::TimeOut: stateChanged(1); return {true, ""};
        }
        return {};
    }
    std::vector<std::string> log;
    std::map<std::string, Answer> answers;
    std::map<std::string, std::string> pages;  // answered in place of "<p>" & address & "</p>"
    std::function<void()> onRequest;  // runs inside every request
};

inline const char* kResultsLink = "https://results.example/fin";
inline const char* kIndicatorLink = "https://indicators.example/ind";
inline const char* kQuoteSite = "https://quotes.example/quote/7203.T";

class Form7Test : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallCompanyWindowMaker();
        WriteUrlList();
        WriteBytes(dir.File("東証プライムリスト.eTBL"),
                   ListEntryBytes(3, "", "4.4.24") + ListEntryBytes(0, "1301", "極洋", 't', 1, 100) +
                       ListEntryBytes(0, "8058", "三菱商事", 'n', 2, 100) +
                       ListEntryBytes(0, "130A", "ベリテ", 't', 3, 100));
        Start();
        // Shown, so that the windows inside get their resize events.
        form->show();
        QCoreApplication::processEvents();
        auto& download = Program().download;
        download.InfoLink1 = kResultsLink;
        download.InfoLink0 = kIndicatorLink;
        download.QuoteSiteUrl = kQuoteSite;
        InstallCompanyPageRequest([this](const std::string& a, const PageStateHandler& s) { return transfer(a, s); });
    }
    void TearDown() override {
        InstallCompanyPageRequest({});
        MainWindowTest::TearDown();
    }

    // Publishes a stock as the main window's grids do.
    void Select(const std::string& code, const std::string& name, const std::string& market = ".t",
                const std::string& unit = "(100株)") {
        auto& s = Program().selection;
        s.CurrentCode = code;
        s.CurrentName = name;
        s.CurrentMarket = market;
        s.CurrentUnitText = unit;
    }
    // The company menu of the main window: creates the window, or sends it
    // a "d" request.
    Form7* OpenFor(const std::string& code, const std::string& name, const std::string& market = ".t") {
        Select(code, name, market);
        form->mnu会社Item_Click(0);
        return Window();
    }
    Form7* Window() const { return static_cast<Form7*>(Program().windows.CompanyInfoWindow); }
    // Picks list-grid row `row` with a single click ("s") or a double click ("d").
    void PickListRow(int row, bool draw) {
        form->MSF全Grid2->SetRow(row);
        emit form->MSF全Grid2->MouseDown(1, 0, 100.0, 300.0);
        if (draw) emit form->MSF全Grid2->DblClick();
    }
    std::string Page(const std::string& name) const {
        return ReadFileBytes(Program().app.AppDir + name).value_or("<missing>");
    }
    static std::string Results(const std::string& code) { return std::string(kResultsLink) + "?scode=" + code; }
    static std::string Indicators(const std::string& code) { return std::string(kIndicatorLink) + "?scode=" + code; }
    static std::string Quote(const std::string& code, const std::string& market = ".t") {
        return "https://quotes.example/quote/" + code + market;
    }
    std::string Label17() const { return Window()->Label17->text().toStdString(); }

    RecordingTransfer transfer;
};

}  // namespace ranvik::test
