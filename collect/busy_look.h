#pragma once

// While pages are fetched the main window takes no input and the pointer is
// the hourglass; however the fetch ends, both come back. End() gives them
// back early (before a message is shown); the destructor does it otherwise.
namespace ranvik {

class BusyLook {
public:
    BusyLook();
    ~BusyLook();
    void End();
    BusyLook(const BusyLook&) = delete;
    BusyLook& operator=(const BusyLook&) = delete;

private:
    bool ended_ = false;
};

}  // namespace ranvik
