// The order in which controls get their windows.
#include "ui/window_plan.h"

#include <algorithm>
#include <utility>

#include "ui/page_control.h"

namespace ui {
namespace {

// Hidden in the model, itself or anything between it and its page.
bool hiddenOnPage(const Control& control, const TabPage& page) {
    for (const Control* at = &control; at != nullptr && at != &page; at = at->parent()) {
        if (!at->visible()) return true;
    }
    return false;
}

}  // namespace

WindowPlan::WindowPlan(const Form& form, MakeWindow makeWindow) : form_(form), makeWindow_(std::move(makeWindow)) {}

void WindowPlan::start() {
    waiting_.clear();
    made_.clear();
    std::vector<Control*> top;
    for (const auto& control : form_.controls()) {
        if (control->parent() == nullptr) top.push_back(control.get());
    }
    std::vector<Control*> now;
    orderLastRowFirst(top, now);
    for (Control* control : now) make(*control);
    std::vector<const TabPage*> inFront;
    for (const auto& page : waiting_) {
        if (page.shown) inFront.push_back(page.page);
    }
    for (const TabPage* page : inFront) makeVisible(*page);
}

void WindowPlan::orderLastRowFirst(const std::vector<Control*>& siblings, std::vector<Control*>& order) {
    // Pages come last first, like every row; they wait in tab order.
    std::vector<WaitingPage> pages;
    for (auto control = siblings.rbegin(); control != siblings.rend(); ++control) {
        order.push_back(*control);
        if ((*control)->kind() == ControlKind::TabPage) {
            auto* page = static_cast<const TabPage*>(*control);
            WaitingPage waiting{page, {}, page == page->pageControl().activePage()};
            orderLastRowFirst(page->children(), waiting.controls);
            pages.insert(pages.begin(), std::move(waiting));
            continue;
        }
        orderLastRowFirst((*control)->children(), order);
    }
    for (auto& page : pages) waiting_.push_back(std::move(page));
}

void WindowPlan::makePage(const TabPage& page) {
    for (auto& waiting : waiting_) {
        if (waiting.page == &page) waiting.shown = true;
    }
    makeVisible(page);
}

void WindowPlan::makeShown(const Control& control) {
    for (const auto& waiting : waiting_) {
        if (!waiting.shown) continue;
        if (std::find(waiting.controls.begin(), waiting.controls.end(), &control) != waiting.controls.end()) {
            makeVisible(*waiting.page);
            return;
        }
    }
}

void WindowPlan::makeVisible(const TabPage& page) {
    auto at = std::find_if(waiting_.begin(), waiting_.end(), [&](const WaitingPage& w) { return w.page == &page; });
    if (at == waiting_.end()) return;
    // Taken out of the list before any window is made: making one may show
    // a control and come back here.
    std::vector<Control*> now, still;
    for (Control* control : at->controls) (hiddenOnPage(*control, page) ? still : now).push_back(control);
    at->controls = std::move(still);
    if (at->controls.empty()) waiting_.erase(at);
    for (Control* control : now) make(*control);
}

bool WindowPlan::makeNext() {
    if (waiting_.empty()) return false;
    std::vector<Control*> now = std::move(waiting_.front().controls);
    waiting_.erase(waiting_.begin());
    for (Control* control : now) make(*control);
    return true;
}

void WindowPlan::make(Control& control) {
    Placement placement = placementOf(control);
    made_.push_back(&control);
    makeWindow_(control, placement);
}

// In turn while no earlier row of the same parent has its window; otherwise
// below the nearest later row that has one, or on top.
WindowPlan::Placement WindowPlan::placementOf(const Control& control) const {
    if (control.parent() == nullptr) return {};
    const auto& siblings = control.parent()->children();
    auto at = std::find(siblings.begin(), siblings.end(), &control);
    auto isMade = [this](const Control* sibling) {
        return std::find(made_.begin(), made_.end(), sibling) != made_.end();
    };
    if (std::none_of(siblings.begin(), at, isMade)) return {};
    auto later = std::find_if(at == siblings.end() ? at : at + 1, siblings.end(), isMade);
    return {false, later == siblings.end() ? nullptr : *later};
}

}  // namespace ui
