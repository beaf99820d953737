// The order in which controls get their windows.
#include "ui/window_plan.h"

#include <algorithm>
#include <utility>

#include "ui/page_control.h"

namespace ui {

WindowPlan::WindowPlan(const Form& form, MakeWindow makeWindow) : form_(form), makeWindow_(std::move(makeWindow)) {}

void WindowPlan::start() {
    waiting_.clear();
    std::vector<Control*> top;
    for (const auto& control : form_.controls()) {
        if (control->parent() == nullptr) top.push_back(control.get());
    }
    makeLastRowFirst(top);
}

void WindowPlan::makeLastRowFirst(const std::vector<Control*>& siblings) {
    std::vector<const TabPage*> pagesBehind;
    for (auto control = siblings.rbegin(); control != siblings.rend(); ++control) {
        makeWindow_(**control);
        if ((*control)->kind() == ControlKind::TabPage) {
            auto* page = static_cast<const TabPage*>(*control);
            if (page != page->pageControl().activePage()) {
                pagesBehind.insert(pagesBehind.begin(), page);
                continue;
            }
        }
        makeLastRowFirst((*control)->children());
    }
    waiting_.insert(waiting_.end(), pagesBehind.begin(), pagesBehind.end());
}

void WindowPlan::makePage(const TabPage& page) {
    auto at = std::find(waiting_.begin(), waiting_.end(), &page);
    if (at == waiting_.end()) return;
    waiting_.erase(at);
    makeLastRowFirst(page.children());
}

bool WindowPlan::makeNext() {
    if (waiting_.empty()) return false;
    makePage(*waiting_.front());
    return true;
}

}  // namespace ui
