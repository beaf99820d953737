// A 16-bit library loaded through the Windows 9x kernel, freed when its owner goes.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace platform {

class Library16 {
public:
    // Loads the library; a result below 32 is the load's error code and no handle.
    Library16(Platform& platform, const char* name) : platform_(platform), handle_(platform.loadLibrary16(name)) {}
    ~Library16() {
        if (loaded()) platform_.freeLibrary16(handle_);
    }
    Library16(const Library16&) = delete;
    Library16& operator=(const Library16&) = delete;

    bool loaded() const { return handle_ >= 32; }
    std::uint16_t handle() const { return handle_; }

private:
    Platform& platform_;
    std::uint16_t handle_;
};

}  // namespace platform
