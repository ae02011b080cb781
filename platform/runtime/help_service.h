#pragma once
// HTML Help as the windows use it: show one page of the help file, and close
// every help window at the end of the program.  The program installs the
// viewer of its platform; until then, and in tests, the recording service
// stands in and only notes the calls.
#include <memory>
#include <string>
#include <vector>

namespace ranvik {

class HelpService {
public:
    virtual ~HelpService() = default;
    // `page` is the page inside the help file, such as "Manual\RanvikC5.html".
    // A failing call shows nothing.
    virtual void ShowTopic(const std::string& helpFile, const std::string& page) = 0;
    virtual void CloseAll(const std::string& helpFile) = 0;
};

HelpService& Help();
std::unique_ptr<HelpService> InstallHelpService(std::unique_ptr<HelpService> service);

struct HelpCall {
    std::string what;  // "show" or "close"
    std::string helpFile;
    std::string page;
    bool operator==(const HelpCall&) const = default;
};

class RecordingHelpService : public HelpService {
public:
    void ShowTopic(const std::string& helpFile, const std::string& page) override {
        calls.push_back({"show", helpFile, page});
    }
    void CloseAll(const std::string& helpFile) override { calls.push_back({"close", helpFile, {}}); }
    std::vector<HelpCall> calls;
};

// Installs a fresh recording service for the life of the object.
class ScopedRecordingHelp {
public:
    ScopedRecordingHelp();
    ~ScopedRecordingHelp();
    ScopedRecordingHelp(const ScopedRecordingHelp&) = delete;
    ScopedRecordingHelp& operator=(const ScopedRecordingHelp&) = delete;
    RecordingHelpService* operator->() { return recorder_; }
    RecordingHelpService& operator*() { return *recorder_; }

private:
    RecordingHelpService* recorder_;
    std::unique_ptr<HelpService> previous_;
};

}  // namespace ranvik
