// The performance statistics switch and the load reading.
#include "pages/load_statistics.h"

#include "platform/registry.h"
#include "platform/registry_locations.h"

namespace pages {
namespace {

constexpr std::size_t kStatisticSize = 4;

// One statistic as a signed 32-bit number, least significant byte first; none
// for a missing value or one that is not 4 bytes of binary data. Such a value
// is not the program's to complain about: it is skipped without a message.
std::optional<std::int32_t> readStatistic(registry::Accessor& registry, const std::string& name) {
    std::uint8_t data[kStatisticSize] = {};
    registry::Read<std::size_t> read = registry.readBinaryData(name, data, sizeof data);
    if (!read.ok() || read.value != sizeof data) return std::nullopt;
    std::uint32_t value = static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
                          (static_cast<std::uint32_t>(data[2]) << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
    return static_cast<std::int32_t>(value);
}

}  // namespace

// Wine opens HKEY_DYN_DATA in every mode, and a system in a Windows 9x
// compatibility mode is still NT: the platform decides, never whether the
// key opens.
void switchStatistics(platform::Platform& platform, const platform::PlatformProfile& profile, const std::string& key) {
    if (!profile.keepsStatistics) return;
    registry::Accessor registry(platform, platform::kDynData, platform::kKeyRead);
    registry.openKey(key);
    // The reading is what switches; the figures read are of no use here.
    for (const std::string& name : registry.valueNames()) readStatistic(registry, name);
}

std::optional<std::int32_t> readCpuUsage(platform::Platform& platform, const platform::PlatformProfile& profile) {
    if (!profile.keepsStatistics) return std::nullopt;
    registry::Accessor registry(platform, platform::kDynData, platform::kKeyRead);
    if (!registry.openKey(registry::kStatData)) return std::nullopt;
    return readStatistic(registry, registry::kCpuUsage);
}

}  // namespace pages
