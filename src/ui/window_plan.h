// When each control of a form gets its window from a back end: at the start
// everything but the controls on pages that are not in front, those a page
// at a time later. Parents come before their children, and each parent's
// children last row first, so that a window system that links each new child
// below its siblings stacks later rows above earlier ones.
#pragma once

#include <functional>
#include <vector>

#include "ui/form.h"

namespace ui {

class WindowPlan {
public:
    using MakeWindow = std::function<void(Control&)>;
    WindowPlan(const Form& form, MakeWindow makeWindow);

    // The windows of everything but the pages not in front; those pages' own
    // windows are made too (the page control lists their tabs), their controls wait.
    void start();
    // Gives the controls of a page their windows, if they have none yet.
    void makePage(const TabPage& page);
    // Gives the next waiting page, in tab order, its windows. False when no page waits.
    bool makeNext();
    bool waiting() const { return !waiting_.empty(); }

private:
    void makeLastRowFirst(const std::vector<Control*>& siblings);

    const Form& form_;
    MakeWindow makeWindow_;
    std::vector<const TabPage*> waiting_;  // in tab order
};

}  // namespace ui
