// Owner drawing and selection notifications of the drive box.
#include "ui/win32/drive_box_window.h"

#include <string>
#include <vector>

#include "base/scoped_flag.h"
#include "ui/win32/handles.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {
namespace {

constexpr UINT kSelectionMade = WM_APP + 1;
constexpr int kListHeight = 200;

}  // namespace

DriveBoxWindow::DriveBoxWindow(WindowSystem& system, DriveBox& box) : ControlWindow(system, box), box_(box) {
    Rect bounds = box.bounds();
    bounds.height += kListHeight;  // a combo box's height includes its drop-down list
    {
        base::ScopedFlag ownChange(ownChange_);
        createSubclassed(system.instance(), "COMBOBOX",
                         childStyle() | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0,
                         system.parentWindowFor(box), box.id(), bounds, "");
        SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(system.gdi().font(box.font())), FALSE);
        // The selection field's height makes the closed box as high as its layout row.
        RECT outer;
        GetWindowRect(hwnd(), &outer);
        LRESULT field = SendMessageA(hwnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
        int adjusted = static_cast<int>(field) + box.bounds().height - (outer.bottom - outer.top);
        if (adjusted > 0) SendMessageA(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), adjusted);
        SendMessageA(hwnd(), CB_SETITEMHEIGHT, 0, adjusted > 0 ? adjusted : field);
        // Entries and a selection made before the window was.
        if (!box.items().empty()) fillList();
    }
    box.attach(this);
}

void DriveBoxWindow::firstShow() {
    raise(box_.onFirstShow);
}

void DriveBoxWindow::update(Property property) {
    if (property == Property::Items) {
        fillList();
        return;
    }
    ControlWindow::update(property);
}

void DriveBoxWindow::fillList() {
    base::ScopedFlag ownChange(ownChange_);
    SendMessageA(hwnd(), CB_RESETCONTENT, 0, 0);
    int selected = -1;
    for (const DriveBox::Item& item : box_.items()) {
        LRESULT index = SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
        if (item.drive == box_.drive()) selected = static_cast<int>(index);
    }
    SendMessageA(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

bool DriveBoxWindow::refuses(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case CB_ADDSTRING:
        case CB_INSERTSTRING:
        case CB_DELETESTRING:
        case CB_RESETCONTENT:
        case CB_DIR:
        case CB_SETITEMDATA:
        case CB_SETITEMHEIGHT:
        case CB_INITSTORAGE:
            return !ownChange_;
        case CB_SETCURSEL:
        case CB_SELECTSTRING:
        case CB_SHOWDROPDOWN:
            return !ownChange_ && !acceptsInput();
        default:
            return ControlWindow::refuses(message, wParam, lParam);
    }
}

// The list reports one selection with one or two notifications, in an order
// that differs between systems; they are gathered into one change event, and
// a selection of the drive already shown still raises it.
void DriveBoxWindow::selectionMade() {
    if (changePending_) return;
    changePending_ = true;
    PostMessageA(hwnd(), kSelectionMade, 0, 0);
}

bool DriveBoxWindow::reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            // A selection reported where none could be made (the page behind,
            // a message box open) is another program's.
            if (!acceptsInput()) {
                result = 0;
                return true;
            }
            switch (HIWORD(wParam)) {
                case CBN_SELENDOK:
                    selectionMade();
                    break;
                case CBN_SELCHANGE:
                    if (!SendMessageA(hwnd(), CB_GETDROPPEDSTATE, 0, 0)) selectionMade();
                    break;
                default:
                    break;
            }
            result = 0;
            return true;
        case WM_DRAWITEM:
            drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        default:
            return false;
    }
}

void DriveBoxWindow::drawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF background = selected ? GetSysColor(COLOR_HIGHLIGHT) : resolve(box_.colour());
    COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : resolve(box_.fontColour());
    FillRect(dc, &item.rcItem, system_.gdi().brush(background));
    if (item.itemID == static_cast<UINT>(-1)) return;
    LRESULT length = SendMessageA(hwnd(), CB_GETLBTEXTLEN, item.itemID, 0);
    if (length == CB_ERR) return;
    std::vector<char> entry(static_cast<std::size_t>(length) + 1);
    SendMessageA(hwnd(), CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(entry.data()));
    SelectGuard font(dc, system_.gdi().font(box_.font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    RECT area = item.rcItem;
    area.left += 2;
    DrawTextA(dc, entry.data(), -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

LRESULT DriveBoxWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case CB_SETCURSEL:
        case CB_SELECTSTRING:
            if (!ownChange_) {
                // Another program chose an entry: the page follows it as it
                // follows a choice from the list, which sends no notification.
                LRESULT result = ControlWindow::handle(message, wParam, lParam);
                selectionMade();
                return result;
            }
            break;
        case kSelectionMade: {
            changePending_ = false;
            LRESULT index = SendMessageA(hwnd(), CB_GETCURSEL, 0, 0);
            std::size_t entry = index >= 0 ? static_cast<std::size_t>(index) : box_.items().size();
            raise([&] { box_.choose(entry); });
            return 0;
        }
        case WM_CTLCOLORLISTBOX: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            COLORREF background = resolve(box_.colour());
            SetBkColor(dc, background);
            SetTextColor(dc, resolve(box_.fontColour()));
            return reinterpret_cast<LRESULT>(system_.gdi().brush(background));
        }
        default:
            break;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

}  // namespace ui::win32
