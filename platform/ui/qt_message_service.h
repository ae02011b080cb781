#pragma once
// The message service of the running programs: real, modal Qt message boxes
// and the system beep.
#include "platform/runtime/message_service.h"

namespace ranvik {

class QtMessageService : public MessageService {
public:
    MessageAnswer Show(const ShownMessage& message) override;
    void Beep() override;
};

}  // namespace ranvik
