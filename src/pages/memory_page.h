// The memory page: total, used and free physical memory, and the used share.
#pragma once

#include "platform/platform.h"
#include "present/number_mask.h"
#include "ui/control.h"
#include "ui/gauge.h"

namespace pages {

struct MemoryControls {
    ui::Label& Label5;
    ui::Label& Label6;
    ui::Label& Label7;
    ui::Label& Label8;
    ui::Label& Label13;
    ui::Gauge& Gauge1;
    ui::TextBox& Memo4;
    ui::TextBox& Memo5;
    ui::TextBox& Memo6;
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

class MemoryPage {
public:
    MemoryPage(const MemoryControls& controls, platform::Platform& platform, present::Separators separators);

    // The page refresh: the figures in megabytes, the used share in figures,
    // colour and pie.
    void Button2Click();

private:
    MemoryControls c_;
    platform::Platform& platform_;
    present::Separators separators_;
};

}  // namespace pages
