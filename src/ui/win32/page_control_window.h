// The page control: a system tab control with one tab per visible page, and
// the pages as windows of their own inside its display area.
#pragma once

#include <vector>

#include "ui/page_control.h"
#include "ui/win32/control_window.h"

namespace ui::win32 {

class PageWindow : public ControlWindow {
public:
    PageWindow(WindowSystem& system, TabPage& page);
    void update(Property property) override;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class PageControlWindow : public ControlWindow {
public:
    PageControlWindow(WindowSystem& system, PageControl& pages);
    void update(Property property) override;
    // Lists the tabs of the visible pages and places the pages; run once all
    // pages exist, and again when a page's tab is shown or hidden.
    void layoutPages();

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The tabs are ours to change alone, and a question about a tab is
    // answered only into memory of ours.
    bool refuses(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<TabPage*> tabbedPages() const;
    void showActivePage();
    // Brings the page of the tab control's own selection to the front, if
    // another is there.
    void followSelection();

    PageControl& pages_;
    bool syncing_ = false;  // the tabs or the selection are being set to the model's
};

}  // namespace ui::win32
