// The performance statistics switch and the periodic refresh.
#include "pages/cpu_load.h"

#include <cstdint>

#include "platform/platform_kind.h"
#include "platform/registry.h"
#include "platform/registry_locations.h"
#include "present/colours.h"
#include "present/percent.h"

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

// Only Windows 9x keeps these statistics. Wine opens HKEY_DYN_DATA in every
// mode, and a system in a Windows 9x compatibility mode is still NT: the kind
// decides, never whether the key opens.
bool keepsStatistics(platform::Platform& platform) {
    return platform::queryPlatformKind(platform) == platform::PlatformKind::Windows9x;
}

}  // namespace

void SwitchPerfStats(platform::Platform& platform, const std::string& key) {
    if (!keepsStatistics(platform)) return;
    registry::Accessor registry(platform, platform::kDynData);
    registry.openKey(key);
    // The reading is what switches; the figures read are of no use here.
    for (const std::string& name : registry.valueNames()) readStatistic(registry, name);
}

std::optional<std::int32_t> readCpuUsage(platform::Platform& platform) {
    if (!keepsStatistics(platform)) return std::nullopt;
    registry::Accessor registry(platform, platform::kDynData);
    if (!registry.openKey(registry::kStatData)) return std::nullopt;
    return readStatistic(registry, registry::kCpuUsage);
}

LoadMonitor::LoadMonitor(const LoadControls& controls, platform::Platform& platform, MemoryPage& memory,
                         ResourcesPage& resources)
    : c_(controls), platform_(platform), memory_(memory), resources_(resources) {}

void LoadMonitor::Timer2Timer() {
    // Without a load read, the gauge, colours and figures keep what they show
    // rather than a value nobody measured.
    if (std::optional<std::int32_t> load = readCpuUsage(platform_)) {
        present::Colour colour = present::loadColour(*load);
        c_.Gauge6.setForeColour(colour);
        c_.Label21.setFontColour(colour);
        c_.Gauge6.setBackColour(present::colours::navy);
        c_.Gauge6.setProgress(*load);
        c_.Label21.setText(present::percentText(*load));
    }
    memory_.Button2Click();
    resources_.Button4Click();
}

}  // namespace pages
