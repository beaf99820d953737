// Tabs, page placement and page switching.
#include "ui/win32/page_control_window.h"

#include <commctrl.h>

#include "base/scoped_flag.h"
#include "ui/form.h"
#include "ui/win32/own_memory.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {
namespace {

// Windows draws the common controls of a program without a manifest in the
// classic style, as this layout was drawn for. Wine's common controls take the
// desktop theme regardless, and stretching the theme's picture over the tab
// pane is the slowest paint of the whole start-up there. Where a theme engine
// is already loaded into the process (never on Windows 9x), the tab control is
// asked to draw classic.
void drawClassic(HWND hwnd) {
    HMODULE themes = GetModuleHandleA("uxtheme.dll");
    if (themes == nullptr) return;
    using SetWindowThemeProc = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    auto setWindowTheme = reinterpret_cast<SetWindowThemeProc>(
        reinterpret_cast<void*>(GetProcAddress(themes, "SetWindowTheme")));
    // No theme class is named " ", so none applies.
    if (setWindowTheme != nullptr) setWindowTheme(hwnd, L" ", L" ");
}

}  // namespace

PageWindow::PageWindow(WindowSystem& system, TabPage& page) : ControlWindow(system, page) {
    create(system.instance(), "VelnorPage", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
           system.parentWindowFor(page), page.id(), page.bounds(), page.text().c_str());
    page.attach(this);
}

void PageWindow::update(Property property) {
    if (property == Property::Visible) {
        // A hidden page loses its tab; the page control redoes its tabs.
        auto* owner = static_cast<PageControlWindow*>(system_.windowFor(control_.parent()));
        if (owner != nullptr) owner->layoutPages();
        return;
    }
    ControlWindow::update(property);
}

LRESULT PageWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, system_.gdi().brush(resolve(control_.colour())));
        return 1;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

PageControlWindow::PageControlWindow(WindowSystem& system, PageControl& pages)
    : ControlWindow(system, pages), pages_(pages) {
    createSubclassed(system.instance(), WC_TABCONTROLA, childStyle() | WS_TABSTOP, 0,
                     system.parentWindowFor(pages), pages.id(), pages.bounds(), "");
    drawClassic(hwnd());
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(system.gdi().font(pages.font())), FALSE);
    pages.attach(this);
}

std::vector<TabPage*> PageControlWindow::tabbedPages() const {
    std::vector<TabPage*> out;
    for (TabPage* page : pages_.pages()) {
        if (page->visible()) out.push_back(page);
    }
    return out;
}

void PageControlWindow::layoutPages() {
    base::ScopedFlag syncing(syncing_);
    SendMessageA(hwnd(), TCM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (TabPage* page : tabbedPages()) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(page->text().c_str());
        SendMessageA(hwnd(), TCM_INSERTITEMA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
    RECT area;
    GetClientRect(hwnd(), &area);
    SendMessageA(hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (TabPage* page : pages_.pages()) {
        if (ControlWindow* window = system_.windowFor(page)) {
            SetWindowPos(window->hwnd(), HWND_TOP, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOACTIVATE);
        }
    }
    showActivePage();
}

void PageControlWindow::showActivePage() {
    std::vector<TabPage*> tabbed = tabbedPages();
    {
        base::ScopedFlag syncing(syncing_);
        for (std::size_t i = 0; i < tabbed.size(); ++i) {
            if (tabbed[i] == pages_.activePage()) SendMessageA(hwnd(), TCM_SETCURSEL, i, 0);
        }
    }
    for (TabPage* page : pages_.pages()) {
        ControlWindow* window = system_.windowFor(page);
        if (window == nullptr) continue;
        bool front = page == pages_.activePage() && page->visible();
        ShowWindow(window->hwnd(), front ? SW_SHOWNA : SW_HIDE);
    }
}

void PageControlWindow::update(Property property) {
    if (property == Property::ActivePage) {
        // A page shown before its turn gets its windows now, before it shows
        // and before its show event moves the focus onto it.
        if (pages_.activePage() != nullptr) system_.makePageWindows(*pages_.activePage());
        showActivePage();
        return;
    }
    ControlWindow::update(property);
}

bool PageControlWindow::refuses(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        // What the tabs are and look like: set by layoutPages() only, so that
        // tab i is always the i-th page that shows.
        case TCM_INSERTITEMA:
        case TCM_INSERTITEMW:
        case TCM_DELETEITEM:
        case TCM_DELETEALLITEMS:
        case TCM_SETITEMA:
        case TCM_SETITEMW:
        case TCM_SETITEMEXTRA:
        case TCM_SETIMAGELIST:
        case TCM_REMOVEIMAGE:
        case TCM_SETITEMSIZE:
        case TCM_SETPADDING:
        case TCM_SETTOOLTIPS:
        case TCM_SETMINTABWIDTH:
        case TCM_SETEXTENDEDSTYLE:
        case TCM_DESELECTALL:
        case TCM_HIGHLIGHTITEM:
            return !syncing_;
        // Choosing a page is input, whoever sends it: refused where a click
        // would be, as while a message box of the program is open.
        case TCM_SETCURSEL:
        case TCM_SETCURFOCUS:
            return !syncing_ && !acceptsInput();
        // Questions the tab control answers by writing where lParam points.
        case TCM_GETITEMRECT:
        case TCM_ADJUSTRECT:
            return !isOwnRecord<RECT>(lParam, Access::Write);
        case TCM_HITTEST:
            return !isOwnRecord<TCHITTESTINFO>(lParam, Access::Write);
        case TCM_GETITEMA:
        case TCM_GETITEMW: {
            if (!isOwnRecord<TCITEMA>(lParam, Access::Write)) return true;
            const auto& item = *reinterpret_cast<const TCITEMA*>(lParam);
            if (!(item.mask & TCIF_TEXT)) return false;
            std::size_t characters = item.cchTextMax > 0 ? static_cast<std::size_t>(item.cchTextMax) : 0;
            std::size_t unit = message == TCM_GETITEMW ? sizeof(WCHAR) : sizeof(char);
            return characters > 0 && !isOwnMemory(item.pszText, characters * unit, Access::Write);
        }
        default:
            return ControlWindow::refuses(message, wParam, lParam);
    }
}

// The tab control's selection is what the user sees chosen, and it moves by
// more ways than one notification tells of: a click or key sent by another
// program arrives inside that program's message, and a selection message
// moves it without any notification. So after every message the tab control
// has handled, the page in front follows its selection.
LRESULT PageControlWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = ControlWindow::handle(message, wParam, lParam);
    if (message != WM_DESTROY && message != WM_NCDESTROY) followSelection();
    return result;
}

void PageControlWindow::followSelection() {
    if (syncing_) return;
    // Asked of the tab control's own procedure: a message sent through this
    // window would come back here.
    LRESULT index = defaultHandle(TCM_GETCURSEL, 0, 0);
    std::vector<TabPage*> tabbed = tabbedPages();
    if (index < 0 || static_cast<std::size_t>(index) >= tabbed.size()) return;
    TabPage& page = *tabbed[static_cast<std::size_t>(index)];
    if (&page == pages_.activePage()) return;
    {
        base::ScopedFlag syncing(syncing_);
        raise([&] { pages_.setActivePage(page); });
    }
    // A page that could not come to the front leaves the selection on the one that is.
    if (&page != pages_.activePage()) showActivePage();
}

// The notification carries nothing the selection itself does not tell.
bool PageControlWindow::reflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return false;
    followSelection();
    result = 0;
    return true;
}

}  // namespace ui::win32
