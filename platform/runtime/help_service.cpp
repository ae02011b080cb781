#include "platform/runtime/help_service.h"

namespace ranvik {

namespace {
std::unique_ptr<HelpService>& Slot() {
    static std::unique_ptr<HelpService> service = std::make_unique<RecordingHelpService>();
    return service;
}
}  // namespace

HelpService& Help() { return *Slot(); }

std::unique_ptr<HelpService> InstallHelpService(std::unique_ptr<HelpService> service) {
    auto previous = std::move(Slot());
    Slot() = std::move(service);
    return previous;
}

ScopedRecordingHelp::ScopedRecordingHelp() {
    auto recorder = std::make_unique<RecordingHelpService>();
    recorder_ = recorder.get();
    previous_ = InstallHelpService(std::move(recorder));
}

ScopedRecordingHelp::~ScopedRecordingHelp() { InstallHelpService(std::move(previous_)); }

}  // namespace ranvik
