// Tab order and page order.
#include "ui/focus_order.h"

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// Every showing control under the given ones, in tab order.
void collectShowing(const std::vector<Control*>& level, std::vector<Control*>& out) {
    std::vector<Control*> ordered = level;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Control* a, const Control* b) { return a->tabOrder() < b->tabOrder(); });
    for (Control* control : ordered) {
        if (!control->showing()) continue;
        out.push_back(control);
        collectShowing(control->children(), out);
    }
}

// The controls the tab order goes round: the showing panel that keeps Tab
// inside and what lies on it, else the whole window.
std::vector<Control*> tabRound(const Form& form) {
    std::vector<Control*> top;
    for (const auto& control : form.controls()) {
        if (control->parent() == nullptr) top.push_back(control.get());
    }
    std::vector<Control*> all;
    collectShowing(top, all);
    for (Control* control : all) {
        if (control->kind() == ControlKind::Panel && static_cast<Panel*>(control)->keepsTabInside()) {
            std::vector<Control*> inside;
            collectShowing(control->children(), inside);
            return inside;
        }
    }
    return all;
}

// A control Tab stops at (the round holds only those that show): a text
// box, a drive box, the page control or a push panel.
bool isTabStop(const Control& control) {
    switch (control.kind()) {
        case ControlKind::TextBox:
        case ControlKind::DriveBox:
        case ControlKind::PageControl:
            return true;
        case ControlKind::Panel:
            return static_cast<const Panel&>(control).isPushButton();
        default:
            return false;
    }
}

}  // namespace

Control* nextTabStop(const Form& form, const Control* from, bool forward) {
    std::vector<Control*> round = tabRound(form);
    const auto count = static_cast<long>(round.size());
    auto at = std::find(round.begin(), round.end(), from);
    // From outside the round: as if from just before its first control
    // (forward) or just after its last (backward).
    long position = at != round.end() ? static_cast<long>(at - round.begin()) : forward ? -1 : count;
    for (long step = 0; step < count; ++step) {
        position = (position + (forward ? 1 : -1) + count) % count;
        if (isTabStop(*round[static_cast<std::size_t>(position)])) return round[static_cast<std::size_t>(position)];
    }
    return nullptr;
}

TabPage* nextPage(const PageControl& pages, bool forward) {
    std::vector<TabPage*> tabbed;
    for (TabPage* page : pages.pages()) {
        if (page->visible()) tabbed.push_back(page);
    }
    auto at = std::find(tabbed.begin(), tabbed.end(), pages.activePage());
    if (tabbed.empty() || at == tabbed.end()) return nullptr;
    std::size_t index = static_cast<std::size_t>(at - tabbed.begin());
    return tabbed[(index + (forward ? 1 : tabbed.size() - 1)) % tabbed.size()];
}

}  // namespace ui
