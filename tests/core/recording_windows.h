#pragma once
// Stand-ins for the windows the main window drives: a chart window that
// records every load request as it arrives, and a collection panel that
// records the calls the grids and the keyboard make on it.
#include <QScrollBar>
#include <QTextEdit>
#include <string>
#include <vector>

#include "core/child_form.h"
#include "core/collection_panel_base.h"
#include "core/main_window.h"
#include "core/program_state.h"

namespace ranvik::test {

// What a child window saw inside its FG1Text6_Change.
struct SeenRequest {
    std::string code;
    std::string mode;         // ChartLoadMode
    std::string currentCode;  // CurrentCode
    friend bool operator==(const SeenRequest&, const SeenRequest&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const SeenRequest& r) {
    return out << "{" << r.code << ", " << r.mode << ", " << r.currentCode << "}";
}

class RecordingChartWindow : public ChartWindowBase {
public:
    explicit RecordingChartWindow(std::vector<SeenRequest>& seen) : seen_(seen) {
        HScroll1 = new QScrollBar(Qt::Horizontal, this);
        HScroll1->setObjectName("HScroll1");
    }
    void Form_Load() override { WindowNo = Program().windows.NewWindowNo; }
    void Form_Unload() override {
        auto& slot = Program().windows.ChartWindow(WindowNo);
        if (slot == this) slot = nullptr;
    }
    void FG1Text6_Change() override {
        if (FG1Text6.Text().empty()) return;
        const auto& selection = Program().selection;
        seen_.push_back({FG1Text6.Text(), selection.ChartLoadMode, selection.CurrentCode});
        FG1Text6.SetText("");
    }

    QScrollBar* HScroll1;

private:
    std::vector<SeenRequest>& seen_;
};

class RecordingCollectionPanel : public CollectionPanelBase {
public:
    explicit RecordingCollectionPanel(QWidget* parent) : CollectionPanelBase(parent) {
        Text9 = new QTextEdit(this);
        Text9->setObjectName("Text9");
    }
    void 終了_MouseUp(int x, int y) override {
        closes.push_back({x, y});
        hide();
    }
    void CollectFromGrid() override {
        collected.push_back(Program().windows.MainForm != nullptr ? Program().windows.MainForm->CollectCode : "");
    }

    QTextEdit* Text9;
    std::vector<std::pair<int, int>> closes;
    std::vector<std::string> collected;  // CollectCode at each collection
};

}  // namespace ranvik::test
