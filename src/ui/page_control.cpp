// Page switching.
#include "ui/page_control.h"

#include "ui/form.h"

namespace ui {

TabPage::TabPage(Form& form, const ControlSpec& spec, Control* parent) : Control(form, spec, parent) {}

PageControl& TabPage::pageControl() const {
    return static_cast<PageControl&>(*parent());
}

bool TabPage::showing() const {
    return visible() && pageControl().activePage() == this && pageControl().showing();
}

std::vector<TabPage*> PageControl::pages() const {
    std::vector<TabPage*> out;
    for (Control* child : children()) {
        if (child->kind() == ControlKind::TabPage) out.push_back(static_cast<TabPage*>(child));
    }
    return out;
}

void PageControl::setActivePage(TabPage& page) {
    if (&page == active_ || !page.visible()) return;
    active_ = &page;
    notify(Property::ActivePage);
    form().focusLeftIfHidden();
    if (page.onShow) page.onShow();
}

void PageControl::setInitialPage(TabPage& page) {
    active_ = &page;
    notify(Property::ActivePage);
}

}  // namespace ui
