// The performance statistics Windows 9x keeps under HKEY_DYN_DATA: switching
// them on and off with the window, and reading the processor load.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/platform_profile.h"

namespace pages {

// Reads every value of a statistics key (StartStat or StopStat), which
// starts or stops the statistic of that name. Nothing where the platform
// keeps no statistics; a key that does not open reads nothing; a value that
// is not 4 bytes of binary data is skipped. (SwitchPerfStats)
void switchStatistics(platform::Platform& platform, const platform::PlatformProfile& profile, const std::string& key);

// The current processor load from StatData; none where the platform keeps
// no statistics, the key does not open, or its value is missing or not 4
// bytes of binary data.
std::optional<std::int32_t> readCpuUsage(platform::Platform& platform, const platform::PlatformProfile& profile);

}  // namespace pages
