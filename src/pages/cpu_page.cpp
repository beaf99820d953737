// The CPU page's handlers.
#include "pages/cpu_page.h"

#include "pages/clock_measurement.h"
#include "pages/control_ids.h"
#include "platform/registry.h"
#include "platform/registry_locations.h"
#include "present/colours.h"
#include "present/percent.h"
#include "present/texts.h"

namespace pages {

CpuControls CpuControls::bind(ui::Form& form) {
    return {form.get<ui::TextBox>(ids::Memo7),   form.get<ui::Label>(ids::Label16), form.get<ui::Control>(ids::Panel11),
            form.get<ui::Panel>(ids::Keisoku),   form.timer(ids::Timer1),           form.get<ui::TextBox>(ids::Edit3),
            form.get<ui::TextBox>(ids::Edit4),   form.get<ui::Label>(ids::Label9),  form.get<ui::Gauge>(ids::Gauge6),
            form.get<ui::Label>(ids::Label21)};
}

CpuPage::CpuPage(ui::Form& form, platform::Platform& platform, const platform::PlatformProfile& profile,
                 present::Separators separators)
    : c_(CpuControls::bind(form)), platform_(platform), profile_(profile), separators_(separators) {
    c_.measureButton.onClick = [this] { requestMeasurement(); };
    c_.clockTimer.onTimer = [this] { measure(); };
    c_.clockBox.onChange = [this] { keepFocusOnClock(); };
}

void CpuPage::requestMeasurement() {
    measuredHertz_.reset();
    c_.clockBox.setFontColour(present::colours::yellow);
    c_.clockBox.setText(texts::kClockMeasuring);
    c_.clockTimer.setEnabled(true);
}

void CpuPage::measure() {
    if (!measureAndShow()) return;
    platform_.beep();
    c_.clockCaption.show();
}

void CpuPage::measureSilently() {
    if (measureAndShow()) c_.clockCaption.show();
}

bool CpuPage::measureAndShow() {
    measuredHertz_.reset();
    if (!platform_.hasTimeStampCounter()) {
        // A processor without a time-stamp counter has nothing to measure:
        // the box goes back to its idle text.
        c_.clockBox.setFontColour(present::colours::infoBackground);
        c_.clockBox.setText(texts::kClockIdle);
        c_.clockTimer.setEnabled(false);
        return false;
    }
    double hertz = measureCpuClock(platform_);
    FrequencyDisplay shown = frequencyDisplay(hertz, separators_);
    c_.clockBox.setFontColour(shown.colour);
    c_.clockBox.setText(shown.text);
    c_.clockTimer.setEnabled(false);
    measuredHertz_ = hertz;
    return true;
}

void CpuPage::keepFocusOnClock() {
    // A result that arrives while another page is in front is still shown;
    // only the focus stays where the user put it.
    if (c_.clockFrame.canFocus()) c_.clockFrame.setFocus();
}

void CpuPage::showProcessor() {
    if (profile_.showsLoad) {
        bool shown = *profile_.showsLoad;
        c_.loadCaption.setVisible(shown);
        c_.loadFigure.setVisible(shown);
        c_.loadPie.setVisible(shown);
    }
    // Where the platform has no known key there is nothing to read: an empty
    // text, never one from some other key. Each read is one read into 255
    // bytes whatever the value's type.
    auto read = [&](const char* key, const char* value) {
        if (key == nullptr) return std::string();
        return registry::Key::open(platform_, platform::kLocalMachine, key, 0).readAnyText(value);
    };
    processorName_ = read(profile_.processorNameKey, profile_.processorNameValue);
    vendor_ = read(profile_.processorKey, registry::kVendorIdentifier);
    c_.nameBox.setText(processorName_);
    c_.vendorBox.setText(vendor_);
}

void CpuPage::showLoad(std::optional<std::int32_t> load) {
    if (!load) return;
    load_ = load;
    present::Colour colour = present::loadColour(*load);
    c_.loadPie.setForeColour(colour);
    c_.loadFigure.setFontColour(colour);
    c_.loadPie.setBackColour(present::colours::navy);
    c_.loadPie.setProgress(*load);
    c_.loadFigure.setText(present::percentText(*load));
}

}  // namespace pages
