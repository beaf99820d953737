// The system resources page: the free shares of the three 16-bit resource
// heaps (System, GDI, USER) that Windows 9x reports through its 16-bit USER library.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "ui/gauge.h"

namespace pages {

struct ResourcesControls {
    ui::Gauge& Gauge2;  // System
    ui::Gauge& Gauge3;  // GDI
    ui::Gauge& Gauge4;  // USER
};

class ResourcesPage {
public:
    ResourcesPage(const ResourcesControls& controls, platform::Platform& platform);

    // The page refresh: the bars show their text, and move when the shares could be read.
    void Button4Click();

    // The three free shares; false, with the places untouched, when the 16-bit
    // library or its function is not there.
    bool ReadFreeResources(std::uint16_t& system, std::uint16_t& gdi, std::uint16_t& user);

private:
    // GetFreeSystemResources(index) at FreeResourcesProc; only while the
    // library is loaded and the address is not 0.
    std::uint16_t CallFreeSystemResources(std::uint16_t index);

    ResourcesControls c_;
    platform::Platform& platform_;
    // The 16:16 address the last look-up found, 0 when it failed.
    std::uint32_t FreeResourcesProc = 0;
};

}  // namespace pages
