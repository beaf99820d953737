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
std::optional<std::int32_t> readStatistic(const registry::Key& key, const std::string& name) {
    std::uint8_t data[kStatisticSize] = {};
    std::optional<std::size_t> read = key.readBinary(name, data, sizeof data);
    if (read != sizeof data) return std::nullopt;
    std::uint32_t value = static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
                          (static_cast<std::uint32_t>(data[2]) << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
    return static_cast<std::int32_t>(value);
}

registry::Key openStatistics(platform::Platform& platform, const std::string& key) {
    return registry::Key::open(platform, platform::kDynData, key, platform::kKeyRead);
}

}  // namespace

// Wine opens HKEY_DYN_DATA in every mode, and a system in a Windows 9x
// compatibility mode is still NT: the platform decides, never whether the
// key opens.
void switchStatistics(platform::Platform& platform, const platform::PlatformProfile& profile, const std::string& key) {
    if (!profile.keepsStatistics) return;
    registry::Key statistics = openStatistics(platform, key);
    // The reading is what switches; the figures read are of no use here.
    for (const std::string& name : statistics.valueNames()) readStatistic(statistics, name);
}

std::optional<std::int32_t> readCpuUsage(platform::Platform& platform, const platform::PlatformProfile& profile) {
    if (!profile.keepsStatistics) return std::nullopt;
    registry::Key statistics = openStatistics(platform, registry::kStatData);
    if (!statistics) return std::nullopt;
    return readStatistic(statistics, registry::kCpuUsage);
}

}  // namespace pages
