#pragma once
// A main window started in a temporary program folder, with recorded
// messages and help calls.
#include <gtest/gtest.h>

#include <QAction>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>

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

// The menu bar the main window shows now: the active child window's, or
// its own.
inline QMenuBar* ShownMenuBar(QWidget& main) {
    for (QMenuBar* bar : main.findChildren<QMenuBar*>()) {
        if (bar->isVisible()) return bar;
    }
    return nullptr;
}

// The titles of the menus on a bar.
inline std::vector<std::string> MenuTitles(const QMenuBar* bar) {
    std::vector<std::string> titles;
    if (bar == nullptr) return titles;
    for (const QAction* menu : bar->actions()) {
        if (menu->isVisible()) titles.push_back(menu->text().toStdString());
    }
    return titles;
}

// A click on the close button of a child window's caption.
inline void ClickCaptionClose(QMdiSubWindow& frame) {
    QStyleOptionTitleBar option;
    option.initFrom(&frame);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = frame.windowFlags();
    option.titleBarState = static_cast<int>(frame.windowState());
    const int border = frame.isMaximized() ? 0 : frame.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &frame);
    const int height = frame.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &frame);
    option.rect = QRect(border, border, frame.width() - 2 * border, height);
    const QRect button =
        frame.style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, &frame);
    // The frame knows the button under the mouse from the move onto it (a
    // move to where the mouse already is moves nothing).
    QTest::mouseMove(&frame, frame.rect().center());
    QTest::mouseMove(&frame, button.center());
    QTest::mouseClick(&frame, Qt::LeftButton, Qt::NoModifier, button.center());
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
