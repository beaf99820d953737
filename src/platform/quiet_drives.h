// Keeps the system's prompts for a drive without a medium away for as long
// as it lives: a query of such a drive then fails at once.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform {

class QuietDrives {
public:
    explicit QuietDrives(Platform& platform) : platform_(platform), previous_(platform.suppressDrivePrompts()) {}
    ~QuietDrives() { platform_.restoreDrivePrompts(previous_); }
    QuietDrives(const QuietDrives&) = delete;
    QuietDrives& operator=(const QuietDrives&) = delete;

private:
    Platform& platform_;
    std::uint32_t previous_;
};

}  // namespace platform
