// The application window: the taskbar entry. A hidden owner of the main
// window carries the application title and icon, so that the taskbar and
// Alt+Tab show the title, not the main window's long caption.
#pragma once

#include <cstddef>

#include "ui/win32/window.h"

namespace ui::win32 {

class ApplicationWindow : public Window {
public:
    ApplicationWindow(HINSTANCE instance, const char* title);

    // The window it stands for; created after it, as its owned window.
    void attachMain(HWND main) { main_ = main; }
    // Shows the entry; false when the program is to start minimised (a
    // shortcut's setting), and the main window is to wait for the restore.
    bool showFirst();
    // The main window's minimise: it hides, and the entry minimises.
    void minimize();

    static constexpr const char* kClassName = "VelnorApp";

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void hideMain();
    void showMain();
    void activateMain();
    static BOOL CALLBACK collectPopup(HWND window, LPARAM self);

    HWND main_ = nullptr;
    // The boxes of the main window that went with it: one modal box, and
    // whatever boxes a tick behind it may open.
    static constexpr std::size_t kMostPopups = 8;
    HWND hiddenPopups_[kMostPopups] = {};
    std::size_t hiddenPopupCount_ = 0;
    // The main window was hidden by a minimise and comes back with the restore.
    bool mainHidden_ = false;
};

}  // namespace ui::win32
