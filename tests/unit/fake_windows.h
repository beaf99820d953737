// A window layer without windows, for the order in which controls get their
// windows: each window made for a control takes what the model holds at that
// moment, as a real window does when it is made, and afterwards follows only
// the changes it is told of, one property at a time. Showing a page makes
// its windows first, as the real page control does, and showing a control
// without a window asks for one, as the real windows do. Each parent's
// children are kept in their stacking order.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/window_plan.h"

// What a control's window shows.
struct Shown {
    std::string text;
    bool visible = false;
    ui::Rect bounds{};
    present::Colour colour;
    present::Colour fontColour;
    int progress = 0;
    present::Colour foreColour;
    present::Colour backColour;
    bool gaugeText = false;
    bool elliptic = false;
    std::vector<ui::DriveBox::Item> items;
    char drive = 0;
    const ui::TabPage* activePage = nullptr;
    std::size_t maxLength = 0;

    bool operator==(const Shown&) const = default;
};

// What the model holds for a control, as its window would show it.
inline Shown modelOf(const ui::Control& control) {
    Shown shown;
    shown.text = control.text();
    shown.visible = control.visible();
    shown.bounds = control.bounds();
    shown.colour = control.colour();
    shown.fontColour = control.fontColour();
    switch (control.kind()) {
        case ui::ControlKind::Gauge: {
            const auto& gauge = static_cast<const ui::Gauge&>(control);
            shown.progress = gauge.progress();
            shown.foreColour = gauge.foreColour();
            shown.backColour = gauge.backColour();
            shown.gaugeText = gauge.showText();
            break;
        }
        case ui::ControlKind::Panel:
            shown.elliptic = static_cast<const ui::Panel&>(control).elliptic();
            break;
        case ui::ControlKind::DriveBox: {
            const auto& box = static_cast<const ui::DriveBox&>(control);
            shown.items = box.items();
            shown.drive = box.drive();
            break;
        }
        case ui::ControlKind::PageControl:
            shown.activePage = static_cast<const ui::PageControl&>(control).activePage();
            break;
        case ui::ControlKind::TextBox:
            shown.maxLength = static_cast<const ui::TextBox&>(control).maxLength();
            break;
        default:
            break;
    }
    return shown;
}

class FakeWindowLayer;

class FakeWindow : public ui::ControlPeer {
public:
    FakeWindow(FakeWindowLayer& layer, ui::Control& control)
        : shown(modelOf(control)), layer_(layer), control_(control) {
        control_.attach(this);
    }
    ~FakeWindow() override { control_.attach(nullptr); }
    FakeWindow(const FakeWindow&) = delete;
    FakeWindow& operator=(const FakeWindow&) = delete;

    void update(ui::Property property) override;
    void focus() override { ++focuses; }
    void childShown(ui::Control& child) override;

    Shown shown;
    std::vector<ui::Property> updates;
    int focuses = 0;

private:
    FakeWindowLayer& layer_;
    ui::Control& control_;
};

class FakeWindowLayer {
public:
    explicit FakeWindowLayer(ui::Form& form)
        : plan(form, [this](ui::Control& control, ui::WindowPlan::Placement placement) {
              made.push_back(control.id());
              windows[control.id()] = std::make_unique<FakeWindow>(*this, control);
              stack(control, placement);
          }) {}
    ~FakeWindowLayer() {
        // Windows go before the plan that made them.
        windows.clear();
    }

    FakeWindow* window(int id) {
        auto found = windows.find(id);
        return found == windows.end() ? nullptr : found->second.get();
    }

    // A new child is linked below its siblings, unless placed.
    void stack(const ui::Control& control, ui::WindowPlan::Placement placement) {
        auto& siblings = stacking[control.parent() ? control.parent()->id() : 0];
        auto at = siblings.end();
        if (!placement.inTurn && placement.under == nullptr) at = siblings.begin();
        if (!placement.inTurn && placement.under != nullptr) {
            // An unknown sibling leaves the new window at the bottom, where
            // the stacking checks will show it.
            auto under = std::find(siblings.begin(), siblings.end(), placement.under->id());
            if (under != siblings.end()) at = under + 1;
        }
        siblings.insert(at, control.id());
    }

    ui::WindowPlan plan;
    std::vector<int> made;  // control IDs in the order their windows were made
    std::map<int, std::vector<int>> stacking;  // by parent ID (0: the form): children's IDs, topmost first
    std::map<int, std::unique_ptr<FakeWindow>> windows;
};

inline void FakeWindow::childShown(ui::Control& child) {
    layer_.plan.makeShown(child);
}

inline void FakeWindow::update(ui::Property property) {
    updates.push_back(property);
    Shown now = modelOf(control_);
    switch (property) {
        case ui::Property::Text: shown.text = now.text; break;
        case ui::Property::Visible: shown.visible = now.visible; break;
        case ui::Property::Bounds: shown.bounds = now.bounds; break;
        case ui::Property::Colour: shown.colour = now.colour; break;
        case ui::Property::FontColour: shown.fontColour = now.fontColour; break;
        case ui::Property::Progress: shown.progress = now.progress; break;
        case ui::Property::GaugeLook:
            shown.foreColour = now.foreColour;
            shown.backColour = now.backColour;
            shown.gaugeText = now.gaugeText;
            break;
        case ui::Property::ActivePage:
            // The page shown first gets its windows before it shows.
            if (now.activePage != nullptr) layer_.plan.makePage(*now.activePage);
            shown.activePage = now.activePage;
            break;
        case ui::Property::Items:
            shown.items = now.items;
            shown.drive = now.drive;
            break;
        case ui::Property::Region: shown.elliptic = now.elliptic; break;
        case ui::Property::MaxLength: shown.maxLength = now.maxLength; break;
    }
}
