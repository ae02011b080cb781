#pragma once
// Every window shows its messages and beeps through this one service.  The
// program installs a service that shows real message boxes; tests install the
// recording service, which answers from a queue and records what was shown,
// so no test ever blocks on a box.
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace ranvik {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer Show(const ShownMessage& message) = 0;
    virtual void Beep() = 0;
};

// The service in force.  Until the program installs its own, the recording
// service stands in, so code run outside a window never blocks.
MessageService& Messages();
// Installs a service and returns the one it replaces.
std::unique_ptr<MessageService> InstallMessageService(std::unique_ptr<MessageService> service);

// Shorthands for the common forms.
MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                          MessageIcon icon = MessageIcon::Exclamation,
                          MessageButtons buttons = MessageButtons::Ok);
void Beep();

class RecordingMessageService : public MessageService {
public:
    MessageAnswer Show(const ShownMessage& message) override;
    void Beep() override { ++beeps; }

    // Answers for the coming questions, first in first out.  A box with no
    // queued answer gets Ok, or for a question the first button's answer
    // (Yes).
    void QueueAnswer(MessageAnswer answer) { answers.push_back(answer); }

    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers;
    int beeps = 0;
};

// Installs a fresh recording service for the life of the object and puts the
// previous one back afterwards: the usual first line of a test.
class ScopedRecordingMessages {
public:
    ScopedRecordingMessages();
    ~ScopedRecordingMessages();
    ScopedRecordingMessages(const ScopedRecordingMessages&) = delete;
    ScopedRecordingMessages& operator=(const ScopedRecordingMessages&) = delete;
    RecordingMessageService& operator*() { return *recorder_; }
    RecordingMessageService* operator->() { return recorder_; }

private:
    RecordingMessageService* recorder_;
    std::unique_ptr<MessageService> previous_;
};

}  // namespace ranvik
