// Edit control subclass: colours, change notifications, mouse presses, auto-select.
#include "ui/win32/text_box_window.h"

#include <vector>

#include "present/characters.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/mouse_buttons.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {
namespace {

DWORD editStyle(const TextBox& box) {
    DWORD style = 0;
    if (box.multiline()) {
        // Vertical auto-scroll lets a multi-line box hold more lines than it shows.
        style |= ES_MULTILINE | ES_AUTOVSCROLL;
        if (!box.wordWrap()) style |= ES_AUTOHSCROLL;
        if (box.alignment() == Align::Right) style |= ES_RIGHT;
        if (box.alignment() == Align::Center) style |= ES_CENTER;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (box.readOnly()) style |= ES_READONLY;
    return style;
}

}  // namespace

TextBoxWindow::TextBoxWindow(WindowSystem& system, TextBox& box) : ControlWindow(system, box), box_(box) {
    // A multi-line box holds any length only once it is told so, and its
    // text may be long already (a page made after the start-up filled it):
    // the text comes after the limit.
    createSubclassed(system.instance(), "EDIT", childStyle() | editStyle(box), 0, system.parentWindowFor(box),
                     box.id(), box.bounds(), box.multiline() ? "" : box.text().c_str());
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(system.gdi().font(box.font())), FALSE);
    if (box.multiline()) {
        SendMessageA(hwnd(), EM_LIMITTEXT, 0, 0);
        if (!box.text().empty()) setWindowText(box.text());
    }
    if (box.maxLength() != 0) limitLength();
    box.attach(this);
}

void TextBoxWindow::update(Property property) {
    if (property == Property::MaxLength) {
        limitLength();
        return;
    }
    ControlWindow::update(property);
}

// The edit control counts its limit in bytes on Windows 9x and in characters
// on the NT family: set, it stops typing early on both; the bytes are
// counted as the text comes in (typed()).
void TextBoxWindow::limitLength() {
    SendMessageA(hwnd(), EM_LIMITTEXT, box_.maxLength(), 0);
}

std::string TextBoxWindow::typed() {
    std::string text = windowText();
    std::size_t limit = box_.maxLength();
    if (limit == 0 || text.size() <= limit) return text;
    std::size_t whole = present::wholeCharactersWithin(text, limit, system_.isLeadByte());
    text.resize(whole);
    setWindowText(text);
    SendMessageA(hwnd(), EM_SETSEL, whole, whole);
    MessageBeep(MB_OK);
    return text;
}

std::string TextBoxWindow::windowText() const {
    int length = GetWindowTextLengthA(hwnd());
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    int copied = GetWindowTextA(hwnd(), buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

bool TextBoxWindow::reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {  // a read-only edit control asks with the static message
            HDC dc = reinterpret_cast<HDC>(wParam);
            COLORREF background = resolve(box_.colour());
            SetTextColor(dc, resolve(box_.fontColour()));
            SetBkColor(dc, background);
            result = reinterpret_cast<LRESULT>(system_.gdi().brush(background));
            return true;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE && !settingText()) {
                std::string text = typed();
                raise([&] { box_.textEdited(text); });
            }
            result = 0;
            return true;
        default:
            break;
    }
    (void)lParam;
    return false;
}

const Handler* TextBoxWindow::keyAction(WPARAM key) const {
    const Handler* action = key == VK_RETURN ? &box_.onEnter : key == VK_ESCAPE ? &box_.onEscape : nullptr;
    return action != nullptr && *action ? action : nullptr;
}

LRESULT TextBoxWindow::pressed(UINT message, WPARAM wParam, LPARAM lParam, MouseButton button) {
    // The box handles the press itself first (focus, caret, selection); the
    // model's mouse-down event follows.
    LRESULT result = ControlWindow::handle(message, wParam, lParam);
    raiseMouse(box_.onMouseDown, button);
    return result;
}

// A text put in by another program counts as typed: not into a box nobody sees.
bool TextBoxWindow::refuses(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && !settingText() && !acceptsInput()) return true;
    return ControlWindow::refuses(message, wParam, lParam);
}

LRESULT TextBoxWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    // Every press counts, the second one of a quick pair too: the edit class
    // reports that one as a double click of its button.
    if (auto mouse = buttonMessage(message); mouse && mouse->press)
        return pressed(message, wParam, lParam, mouse->button);
    switch (message) {
        case WM_KEYDOWN:
            // Enter and Esc go to the page where it has a use for them; a key
            // held down repeats, and only its first press counts.
            if (const Handler* action = keyAction(wParam)) {
                if ((lParam & (1L << 30)) == 0) raise(*action);
                return 0;
            }
            break;
        case WM_CHAR:
            // The character of such a key would only make the box beep.
            if ((wParam == '\r' && keyAction(VK_RETURN)) || (wParam == 0x1B && keyAction(VK_ESCAPE))) return 0;
            break;
        case WM_SETFOCUS: {
            LRESULT result = ControlWindow::handle(message, wParam, lParam);
            // A single-line box given the focus by the keyboard or the program
            // selects its whole text; a mouse press places the caret instead.
            if (!box_.multiline() && GetKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_RBUTTON) >= 0)
                SendMessageA(hwnd(), EM_SETSEL, 0, -1);
            return result;
        }
        default:
            break;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

}  // namespace ui::win32
