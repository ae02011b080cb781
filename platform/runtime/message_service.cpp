#include "platform/runtime/message_service.h"

namespace ranvik {

namespace {
std::unique_ptr<MessageService>& Slot() {
    static std::unique_ptr<MessageService> service = std::make_unique<RecordingMessageService>();
    return service;
}
}  // namespace

MessageService& Messages() { return *Slot(); }

std::unique_ptr<MessageService> InstallMessageService(std::unique_ptr<MessageService> service) {
    auto previous = std::move(Slot());
    Slot() = std::move(service);
    return previous;
}

MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                          MessageButtons buttons) {
    return Messages().Show({text, title, icon, buttons});
}

void Beep() { Messages().Beep(); }

MessageAnswer RecordingMessageService::Show(const ShownMessage& message) {
    shown.push_back(message);
    if (!answers.empty()) {
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (message.buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel: return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

ScopedRecordingMessages::ScopedRecordingMessages() {
    auto recorder = std::make_unique<RecordingMessageService>();
    recorder_ = recorder.get();
    previous_ = InstallMessageService(std::move(recorder));
}

ScopedRecordingMessages::~ScopedRecordingMessages() { InstallMessageService(std::move(previous_)); }

}  // namespace ranvik
