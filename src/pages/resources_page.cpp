// The system resources page's refresh and its 16-bit query.
#include "pages/resources_page.h"

#include "pages/control_ids.h"
#include "platform/library16.h"

namespace pages {
namespace {

// The argument of GetFreeSystemResources for each heap.
enum : std::uint16_t {
    GFSR_SYSTEMRESOURCES = 0,
    GFSR_GDIRESOURCES = 1,
    GFSR_USERRESOURCES = 2,
};

}  // namespace

ResourcesControls ResourcesControls::bind(ui::Form& form) {
    return {form.get<ui::TabPage>(ids::ResTab), form.get<ui::Gauge>(ids::Gauge2), form.get<ui::Gauge>(ids::Gauge3),
            form.get<ui::Gauge>(ids::Gauge4), form.get<ui::Button>(ids::Button4)};
}

ResourcesPage::ResourcesPage(ui::Form& form, platform::Platform& platform)
    : c_(ResourcesControls::bind(form)), platform_(platform) {
    c_.page.onShow = [this] { refresh(); };
    c_.refreshButton.onClick = [this] { refresh(); };
}

void ResourcesPage::refresh() {
    c_.systemBar.setShowText(true);
    c_.gdiBar.setShowText(true);
    c_.userBar.setShowText(true);
    std::uint16_t system = 0, gdi = 0, user = 0;
    if (!readFreeResources(system, gdi, user)) return;
    shares_ = FreeShares{system, gdi, user};
    c_.systemBar.setProgress(system);
    c_.gdiBar.setProgress(gdi);
    c_.userBar.setProgress(user);
}

bool ResourcesPage::readFreeResources(std::uint16_t& system, std::uint16_t& gdi, std::uint16_t& user) {
    // Without the kernel's 16-bit services (the NT family) there is nothing to ask.
    if (!platform_.has16BitServices()) return false;
    platform::Library16 library(platform_, "User.exe");
    if (!library.loaded()) return false;
    freeResourcesProc_ = platform_.getProcAddress16(library.handle(), "GetFreeSystemResources");
    if (freeResourcesProc_ != 0) {
        system = callFreeSystemResources(GFSR_SYSTEMRESOURCES);
        gdi = callFreeSystemResources(GFSR_GDIRESOURCES);
        user = callFreeSystemResources(GFSR_USERRESOURCES);
    }
    return freeResourcesProc_ != 0;
}

std::uint16_t ResourcesPage::callFreeSystemResources(std::uint16_t index) {
    return platform_.callProc16(freeResourcesProc_, index);
}

}  // namespace pages
