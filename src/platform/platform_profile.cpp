// The platform kind of the running system and what follows from it.
#include "platform/platform_profile.h"

#include "platform/registry_locations.h"

namespace platform {

PlatformKind kindOf(std::uint32_t platformId) {
    switch (platformId) {
        case 1: return PlatformKind::Windows9x;
        case 2: return PlatformKind::WindowsNt;
        default: return PlatformKind::Other;
    }
}

std::optional<VersionInfo> queryVersion(Platform& platform) {
    VersionInfo version;
    if (platform.getKernelVersion(version) || platform.getVersion(version)) return version;
    return std::nullopt;
}

std::optional<PlatformKind> queryPlatformKind(Platform& platform) {
    std::optional<VersionInfo> version = queryVersion(platform);
    if (!version) return std::nullopt;
    return kindOf(version->platformId);
}

PlatformProfile profileOf(std::optional<PlatformKind> kind) {
    PlatformProfile profile;
    profile.kind = kind;
    if (!kind) return profile;
    // Every platform that answers has the vendor in the same place.
    profile.processorKey = registry::kProcessorKey;
    switch (*kind) {
        case PlatformKind::Windows9x:
            profile.versionKey = registry::kVersionKey9x;
            profile.processorNameKey = registry::kProcessorKey;
            profile.processorNameValue = registry::kProcessorNameValue9x;
            profile.showsLoad = true;
            profile.keepsStatistics = true;
            profile.has16BitServices = true;
            profile.bios = BiosSource::Rom;
            break;
        case PlatformKind::WindowsNt:
            profile.versionKey = registry::kVersionKeyNt;
            profile.processorNameKey = registry::kProcessorClassKeyNt;
            profile.processorNameValue = registry::kProcessorNameValueNt;
            profile.showsLoad = false;
            profile.bios = BiosSource::Registry;
            break;
        case PlatformKind::Other:
            profile.bios = BiosSource::Hidden;
            break;
    }
    return profile;
}

}  // namespace platform
