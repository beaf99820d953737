// The page control: one row of text-only tabs over pages shown one at a time.
#pragma once

#include <vector>

#include "ui/control.h"

namespace ui {

class PageControl;

class TabPage : public Control {
public:
    TabPage(Form& form, const ControlSpec& spec, Control* parent);
    PageControl& pageControl() const;
    bool showing() const override;
    // Raised each time the page becomes the visible page.
    Handler onShow;
};

class PageControl : public Control {
public:
    using Control::Control;
    std::vector<TabPage*> pages() const;
    TabPage* activePage() const { return active_; }
    // Brings the page to the front and raises its show event; the page already
    // in front raises nothing. A page whose tab is hidden cannot be chosen.
    void setActivePage(TabPage& page);
    // The page shown at start: no show event.
    void setInitialPage(TabPage& page);

private:
    TabPage* active_ = nullptr;
};

}  // namespace ui
