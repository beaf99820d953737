// The platform kind of the running system.
#include "platform/platform_kind.h"

namespace platform {

PlatformKind kindOf(std::uint32_t platformId) {
    switch (platformId) {
        case 1: return PlatformKind::Windows9x;
        case 2: return PlatformKind::WindowsNt;
        default: return PlatformKind::Other;
    }
}

std::optional<PlatformKind> queryPlatformKind(Platform& platform) {
    VersionInfo version;
    if (platform.getKernelVersion(version) || platform.getVersion(version)) return kindOf(version.platformId);
    return std::nullopt;
}

}  // namespace platform
