// The processor load that Windows 9x publishes among its performance
// statistics, and the periodic refresh that reads it and refreshes the memory
// and system resources pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "pages/memory_page.h"
#include "pages/resources_page.h"
#include "platform/platform.h"
#include "ui/control.h"
#include "ui/gauge.h"

namespace pages {

struct LoadControls {
    ui::Gauge& Gauge6;
    ui::Label& Label21;
};

// Reads every value of a statistics key under HKEY_DYN_DATA, which starts
// (StartStat) or stops (StopStat) the statistic of that name. A key that does
// not open reads nothing; a value that is not 4 bytes of binary data is skipped.
void SwitchPerfStats(platform::Platform& platform, const std::string& key);

// The current processor load from StatData; none when the key does not open
// or its value is missing or not 4 bytes of binary data.
std::optional<std::int32_t> readCpuUsage(platform::Platform& platform);

class LoadMonitor {
public:
    LoadMonitor(const LoadControls& controls, platform::Platform& platform, MemoryPage& memory,
                ResourcesPage& resources);

    // The 2000 ms tick: the load in colour, pie and figures, then the memory
    // page and the system resources page, whichever page is shown.
    void Timer2Timer();

private:
    LoadControls c_;
    platform::Platform& platform_;
    MemoryPage& memory_;
    ResourcesPage& resources_;
};

}  // namespace pages
