// The memory page: total, used and free physical memory, and the used share.
#pragma once

#include <optional>

#include "pages/usage_display.h"
#include "platform/platform.h"
#include "present/number_mask.h"
#include "ui/form.h"

namespace pages {

struct MemoryControls {
    UsageControls usage;        // total, used, free, the share and its pie
    ui::Button& refreshButton;  // hidden; carries the memory refresh

    static MemoryControls bind(ui::Form& form);
};

// Total and available physical memory in bytes.
struct PhysicalMemory {
    double total = 0;
    double available = 0;
};

// From GlobalMemoryStatusEx where the system has it, as 64-bit counts: the
// 32-bit record of GlobalMemoryStatus cannot hold more than 4 GiB, and some
// systems put nonsense into it above that. Elsewhere (Windows 9x) from the
// 32-bit record.
PhysicalMemory queryPhysicalMemory(platform::Platform& platform);

// The figures of the memory page: megabytes only, whatever the size.
UsageFigures memoryUsage(const PhysicalMemory& memory, present::Separators separators);

class MemoryPage {
public:
    MemoryPage(ui::Form& form, platform::Platform& platform, present::Separators separators);

    // The page's refresh (Button2Click): the figures in megabytes, the used
    // share in figures, colour and pie.
    void refresh();

    // What the last refresh read; none before the first.
    const std::optional<PhysicalMemory>& reading() const { return reading_; }

private:
    MemoryControls c_;
    platform::Platform& platform_;
    present::Separators separators_;
    std::optional<PhysicalMemory> reading_;
};

}  // namespace pages
