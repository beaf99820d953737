// Which branch of the program a system takes: Windows 9x or the NT family.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"

namespace platform {

enum class PlatformKind {
    Windows9x,  // platform ID 1
    WindowsNt,  // platform ID 2
    Other,      // any other ID: neither branch applies
};

PlatformKind kindOf(std::uint32_t platformId);

// The running system's kind, taken from what a compatibility mode does not
// change: the kernel's own version where the system has that call, else the
// version query (Windows 9x has no compatibility modes to see through). None
// when neither answers. A user who runs the program in a "Windows 98" mode on
// the NT family must still get the NT registry keys, no ROM reads and no
// 16-bit services.
std::optional<PlatformKind> queryPlatformKind(Platform& platform);

}  // namespace platform
