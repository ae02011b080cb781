#pragma once
// A main window started in a temporary program folder, with recorded
// messages and help calls.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/child_form.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/os_version.h"
#include "platform/runtime/process.h"
#include "tests/support/test_support.h"

namespace ranvik::test {

// Lines written in CP932 with CR LF, as the delivered text files are.
inline void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += ToAnsi(line) + "\r\n";
    WriteBytes(path, bytes);
}

inline const char* kCurrentUrlList = "Version=4.4.24";

// One 68-byte ListEntry record.
inline std::string ListRecord(int recordNo, const std::string& code, const std::string& name, char market = ' ',
                              char section = 0, int unit = 0) {
    std::string r(68, '\0');
    r[0] = static_cast<char>(recordNo & 0xFF);
    r[1] = static_cast<char>((recordNo >> 8) & 0xFF);
    r.replace(2, 4, PackField(code, 4));
    r.replace(6, 52, PackField(name, 52));
    r[58] = market;
    r[59] = section;
    r.replace(60, 4, PackField("", 4));
    r[64] = static_cast<char>(unit & 0xFF);
    r[65] = static_cast<char>((unit >> 8) & 0xFF);
    return r;
}

// The URL list and the two tables the start-up reads, all of this version.
inline void WriteDeliveredLists(const std::string& folder) {
    WriteLines(folder + "MyURL.txt", {kCurrentUrlList});
    const std::string table = ListRecord(3, "", "4.4.24") + ListRecord(0, "1301", "極洋", 't', 1, 100) +
                              ListRecord(0, "6501", "日立製作所", 't', 1, 100);
    WriteBytes(folder + "全銘柄リスト.eTBL", table);
    WriteBytes(folder + "東証プライムリスト.eTBL", table);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        SetProgramFolder(dir.Path());
        SetOperatingSystemVersion(-1);
    }
    void TearDown() override {
        form.reset();
        SetProgramFolder("");
        SetOperatingSystemVersion(-1);
        Makers() = {};
        ResetProgramState();
    }

    // Creates and loads the main window; the start-up must go through.
    MDIForm1& Start() {
        form = std::make_unique<MDIForm1>();
        form->resize(1024, 768);
        EXPECT_TRUE(form->MDIForm_Load());
        return *form;
    }
    // The URL list (with further lines) and the tables of this version, so
    // that the start-up shows no message.
    void WriteUrlList(const std::vector<std::string>& more = {}) {
        WriteDeliveredLists(dir.Path());
        std::vector<std::string> lines{kCurrentUrlList};
        lines.insert(lines.end(), more.begin(), more.end());
        WriteLines(dir.File("MyURL.txt"), lines);
    }
    std::vector<std::string> MessageTexts() {
        std::vector<std::string> texts;
        for (const auto& m : messages->shown) texts.push_back(m.text);
        return texts;
    }

    TempFolder dir;
    ScopedRecordingMessages messages;
    ScopedRecordingHelp help;
    std::unique_ptr<MDIForm1> form;
};

}  // namespace ranvik::test
