// The CPU page's handlers.
#include "pages/cpu_page.h"

#include "pages/clock_measurement.h"
#include "platform/registry.h"
#include "platform/registry_locations.h"
#include "present/colours.h"
#include "present/percent.h"
#include "present/texts.h"

namespace pages {

CpuPage::CpuPage(const CpuControls& controls, platform::Platform& platform, const platform::PlatformProfile& profile,
                 present::Separators separators)
    : c_(controls), platform_(platform), profile_(profile), separators_(separators) {}

void CpuPage::requestMeasurement() {
    measuredHertz_.reset();
    c_.Memo7.setFontColour(present::colours::yellow);
    c_.Memo7.setText(texts::kClockMeasuring);
    c_.Timer1.setEnabled(true);
}

void CpuPage::measure() {
    if (!measureAndShow()) return;
    platform_.beep();
    c_.Label16.show();
}

void CpuPage::measureSilently() {
    if (measureAndShow()) c_.Label16.show();
}

bool CpuPage::measureAndShow() {
    measuredHertz_.reset();
    if (!platform_.hasTimeStampCounter()) {
        // A processor without a time-stamp counter has nothing to measure:
        // the box goes back to its idle text.
        c_.Memo7.setFontColour(present::colours::infoBackground);
        c_.Memo7.setText(texts::kClockIdle);
        c_.Timer1.setEnabled(false);
        return false;
    }
    double hertz = measureCpuClock(platform_);
    FrequencyDisplay shown = frequencyDisplay(hertz, separators_);
    c_.Memo7.setFontColour(shown.colour);
    c_.Memo7.setText(shown.text);
    c_.Timer1.setEnabled(false);
    measuredHertz_ = hertz;
    return true;
}

void CpuPage::keepFocusOnClock() {
    // A result that arrives while another page is in front is still shown;
    // only the focus stays where the user put it.
    if (c_.Panel11.canFocus()) c_.Panel11.setFocus();
}

void CpuPage::showProcessor() {
    if (profile_.showsLoad) {
        bool shown = *profile_.showsLoad;
        c_.Label9.setVisible(shown);
        c_.Label21.setVisible(shown);
        c_.Gauge6.setVisible(shown);
    }
    // Where the platform has no known key there is nothing to read: an empty
    // text, never one from some other key. Each read is one read into 255
    // bytes whatever the value's type.
    auto read = [&](const char* key, const char* value) {
        if (key == nullptr) return std::string();
        registry::Key open = registry::Key::open(platform_, platform::kLocalMachine, key, 0);
        return registry::readText(platform_, open, value);
    };
    processorName_ = read(profile_.processorNameKey, profile_.processorNameValue);
    vendor_ = read(profile_.processorKey, registry::kVendorIdentifier);
    c_.Edit3.setText(processorName_);
    c_.Edit4.setText(vendor_);
}

void CpuPage::showLoad(std::optional<std::int32_t> load) {
    if (!load) return;
    load_ = load;
    present::Colour colour = present::loadColour(*load);
    c_.Gauge6.setForeColour(colour);
    c_.Label21.setFontColour(colour);
    c_.Gauge6.setBackColour(present::colours::navy);
    c_.Gauge6.setProgress(*load);
    c_.Label21.setText(present::percentText(*load));
}

}  // namespace pages
