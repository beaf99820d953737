// Building the windows of a form, the message loop and keyboard navigation.
#include "ui/win32/window_system.h"

#include <utility>

#include "ui/focus_order.h"
#include "ui/win32/application_window.h"
#include "ui/win32/button_window.h"
#include "ui/win32/drive_box_window.h"
#include "ui/win32/form_window.h"
#include "ui/win32/gauge_window.h"
#include "ui/win32/label_window.h"
#include "ui/win32/page_control_window.h"
#include "ui/win32/panel_window.h"
#include "ui/win32/text_box_window.h"

namespace ui::win32 {
namespace {

std::unique_ptr<ControlWindow> makeWindow(WindowSystem& system, Control& control) {
    switch (control.kind()) {
        case ControlKind::PageControl:
            return std::make_unique<PageControlWindow>(system, static_cast<PageControl&>(control));
        case ControlKind::TabPage: return std::make_unique<PageWindow>(system, static_cast<TabPage&>(control));
        case ControlKind::Panel: return std::make_unique<PanelWindow>(system, static_cast<Panel&>(control));
        case ControlKind::Label: return std::make_unique<LabelWindow>(system, static_cast<Label&>(control));
        case ControlKind::TextBox: return std::make_unique<TextBoxWindow>(system, static_cast<TextBox&>(control));
        case ControlKind::Gauge: return std::make_unique<GaugeWindow>(system, static_cast<Gauge&>(control));
        case ControlKind::DriveBox: return std::make_unique<DriveBoxWindow>(system, static_cast<DriveBox&>(control));
        case ControlKind::Button: return std::make_unique<ButtonWindow>(system, static_cast<Button&>(control));
    }
    return nullptr;
}

}  // namespace

WindowSystem::WindowSystem(Form& form, HINSTANCE instance, int iconResource, int handCursorResource,
                           present::LeadByteTest isLead)
    : form_(form),
      instance_(instance),
      plan_(form, [this](Control& control, WindowPlan::Placement placement) { makeWindowFor(control, placement); }),
      isLead_(std::move(isLead)) {
    icon_ = LoadIconA(instance, MAKEINTRESOURCEA(iconResource));
    handCursor_ = LoadCursorA(instance, MAKEINTRESOURCEA(handCursorResource));
    if (handCursor_ == nullptr) handCursor_ = LoadCursorA(nullptr, IDC_ARROW);
}

WindowSystem::~WindowSystem() {
    // Children first: their objects detach from the model before the frame
    // goes, and the frame before the window that owns it.
    controls_.clear();
    main_.reset();
    application_.reset();
}

void WindowSystem::create() {
    Window::registerClass(instance_, ApplicationWindow::kClassName, 0, nullptr, icon_);
    Window::registerClass(instance_, "VelnorForm", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon_);
    Window::registerClass(instance_, "VelnorPanel", CS_DBLCLKS, nullptr);
    Window::registerClass(instance_, "VelnorLabel", 0, nullptr);
    Window::registerClass(instance_, "VelnorGauge", 0, nullptr);
    Window::registerClass(instance_, "VelnorPage", 0, nullptr);

    application_ = std::make_unique<ApplicationWindow>(instance_, form_.title());
    main_ = std::make_unique<FormWindow>(*this, form_, *application_);
    controls_.clear();
    controls_.resize(form_.controls().size());
    // Only the page in front is filled now: the other pages' windows (about
    // a hundred, with their fonts and measured texts) cost as much again as
    // the rest of the start-up, for pages nobody sees yet. Their controls
    // live in the model meanwhile, and their windows take the model's state
    // as they are made.
    plan_.start();
    for (const auto& window : controls_) {
        if (window != nullptr && window->control().kind() == ControlKind::PageControl)
            static_cast<PageControlWindow&>(*window).layoutPages();
    }
}

void WindowSystem::makePageWindows(const TabPage& page) {
    plan_.makePage(page);
}

void WindowSystem::idle() {
    plan_.makeNext();
}

void WindowSystem::makeShownWindows(const Control& control) {
    plan_.makeShown(control);
}

void WindowSystem::makeWindowFor(Control& control, WindowPlan::Placement placement) {
    const auto& controls = form_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].get() == &control) {
            controls_[i] = makeWindow(*this, control);
            if (!placement.inTurn) {
                ControlWindow* under = windowFor(placement.under);
                SetWindowPos(controls_[i]->hwnd(), under != nullptr ? under->hwnd() : HWND_TOP, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
            }
            if (shown_) controls_[i]->firstShow();
            return;
        }
    }
}

void WindowSystem::show() {
    shown_ = true;
    for (const auto& window : controls_) {
        if (window != nullptr) window->firstShow();
    }
    // The entry first; a start "minimised" is the entry's alone, and the
    // main window then waits for the restore.
    if (application_->showFirst()) {
        ShowWindow(main_->hwnd(), SW_SHOWNORMAL);
        UpdateWindow(main_->hwnd());
    }
    // The first control in tab order has the focus when the window opens.
    if (Control* first = nextTabStop(form_, nullptr, true)) first->setFocus();
}

int WindowSystem::run() {
    MSG message;
    for (;;) {
        // Nothing waits to be handled or painted (the first figures are on
        // the screen): one waiting page is made, and the loop looks again.
        if (plan_.waiting() && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            idle();
            continue;
        }
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        // The guard's hook has made a forged post harmless already; this
        // loop checks for itself where the hook could not be set.
        if (isForgedPost(message)) continue;
        if (translateKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

bool WindowSystem::acceptsInput() const {
    return main_ != nullptr && main_->hwnd() != nullptr && IsWindowEnabled(main_->hwnd());
}

HWND WindowSystem::parentWindowFor(const Control& control) const {
    if (control.parent() == nullptr) return main_->hwnd();
    ControlWindow* parent = windowFor(control.parent());
    return parent ? parent->hwnd() : main_->hwnd();
}

ControlWindow* WindowSystem::windowFor(const Control* control) const {
    for (const auto& window : controls_) {
        if (window != nullptr && &window->control() == control) return window.get();
    }
    return nullptr;
}

// Tab and Shift+Tab move the focus in the layout's tab order; Ctrl+Tab and
// Ctrl+Shift+Tab switch pages.
bool WindowSystem::translateKeys(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (main_ == nullptr || !IsChild(main_->hwnd(), message.hwnd)) return false;
    bool backward = GetKeyState(VK_SHIFT) < 0;
    if (GetKeyState(VK_CONTROL) < 0)
        switchPage(!backward);
    else
        moveFocus(!backward);
    return true;
}

void WindowSystem::moveFocus(bool forward) {
    Control* next = nextTabStop(form_, form_.focused(), forward);
    if (next != nullptr) form_.dispatch([next] { next->setFocus(); });
}

void WindowSystem::switchPage(bool forward) {
    for (const auto& control : form_.controls()) {
        if (control->kind() != ControlKind::PageControl) continue;
        auto& pages = static_cast<PageControl&>(*control);
        TabPage* next = nextPage(pages, forward);
        if (next != nullptr) form_.dispatch([&pages, next] { pages.setActivePage(*next); });
        return;
    }
}

}  // namespace ui::win32
