// When each control of a form gets its window from a back end: at the start
// everything but the controls on pages that are not in front, those a page
// at a time later; on any page, a control hidden in the model (and all it
// holds) waits until it is shown or the program is idle. Parents come before
// their children, and each parent's children last row first, so that a
// window system that links each new child below its siblings stacks later
// rows above earlier ones; a window made out of that turn is told where it
// goes among its siblings.
#pragma once

#include <functional>
#include <vector>

#include "ui/form.h"

namespace ui {

class WindowPlan {
public:
    // Where a new window goes among its siblings' windows: in turn (below
    // all of them, where a window system links a new child), or, made out of
    // turn, directly below the window of `under`, or above all of them when
    // `under` is null.
    struct Placement {
        bool inTurn = true;
        const Control* under = nullptr;
    };
    using MakeWindow = std::function<void(Control&, Placement)>;
    WindowPlan(const Form& form, MakeWindow makeWindow);

    // The windows of everything but the pages not in front; those pages' own
    // windows are made too (the page control lists their tabs), their controls wait.
    void start();
    // Gives the controls of a page that is shown their windows, but those
    // hidden in the model.
    void makePage(const TabPage& page);
    // A control was shown: it gets its window, with what it holds, if it
    // waited for that on a page shown before.
    void makeShown(const Control& control);
    // Gives the controls of the first page in tab order with any waiting
    // their windows, the hidden ones too. False when nothing waits.
    bool makeNext();
    bool waiting() const { return !waiting_.empty(); }

private:
    struct WaitingPage {
        const TabPage* page;
        std::vector<Control*> controls;  // in making order
        bool shown = false;              // the page was in front: only hidden controls wait
    };

    // Appends siblings and what they hold in making order to `order`; the
    // controls of a page go to a WaitingPage of their own instead.
    void orderLastRowFirst(const std::vector<Control*>& siblings, std::vector<Control*>& order);
    // Makes the controls of a shown page that are no longer hidden.
    void makeVisible(const TabPage& page);
    void make(Control& control);
    Placement placementOf(const Control& control) const;

    const Form& form_;
    MakeWindow makeWindow_;
    std::vector<WaitingPage> waiting_;  // in tab order
    std::vector<const Control*> made_;  // a hundred at most: searched, not hashed
};

}  // namespace ui
