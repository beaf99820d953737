// Holds the calling thread on one processor for as long as it lives, and
// gives the thread its own processors back after.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform {

class ProcessorPin {
public:
    explicit ProcessorPin(Platform& platform) : platform_(platform) {
        pinned_ = platform_.pinThreadToOneProcessor(previous_);
    }
    ~ProcessorPin() {
        if (pinned_) platform_.restoreThreadProcessors(previous_);
    }
    ProcessorPin(const ProcessorPin&) = delete;
    ProcessorPin& operator=(const ProcessorPin&) = delete;

private:
    Platform& platform_;
    std::uintptr_t previous_ = 0;
    bool pinned_ = false;
};

}  // namespace platform
