// The system resources page: the free shares of the three 16-bit resource
// heaps (System, GDI, USER) that Windows 9x reports through its 16-bit USER library.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"
#include "ui/form.h"
#include "ui/gauge.h"
#include "ui/page_control.h"

namespace pages {

struct ResourcesControls {
    ui::TabPage& page;          // showing it refreshes the bars at once
    ui::Gauge& systemBar;       // the System share
    ui::Gauge& gdiBar;          // the GDI heap's
    ui::Gauge& userBar;         // the USER heap's
    ui::Button& refreshButton;  // hidden; carries the refresh

    static ResourcesControls bind(ui::Form& form);
};

// The free shares the three bars show, in percent.
struct FreeShares {
    int system = 0;
    int gdi = 0;
    int user = 0;
};

class ResourcesPage {
public:
    ResourcesPage(ui::Form& form, platform::Platform& platform);

    // The page's refresh (Button4Click): the bars show their text, and move
    // when the shares could be read.
    void refresh();

    // The three free shares; false, with the places untouched, when the 16-bit
    // library or its function is not there.
    bool readFreeResources(std::uint16_t& system, std::uint16_t& gdi, std::uint16_t& user);

    // The shares the last refresh that could read them read; none where
    // none ever could (the bars then show 0% without a reading behind it).
    const std::optional<FreeShares>& shares() const { return shares_; }

private:
    // GetFreeSystemResources(index) at freeResourcesProc_; only while the
    // library is loaded and the address is not 0.
    std::uint16_t callFreeSystemResources(std::uint16_t index);

    ResourcesControls c_;
    platform::Platform& platform_;
    // The 16:16 address the last look-up found, 0 when it failed.
    std::uint32_t freeResourcesProc_ = 0;
    std::optional<FreeShares> shares_;
};

}  // namespace pages
