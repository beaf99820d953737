// The main window TForm1: builds the controls from the layout, wires every
// event to its handler, and runs the start-up and shut-down sequences.
#pragma once

#include "pages/bios_page.h"
#include "pages/cpu_clock.h"
#include "pages/cpu_load.h"
#include "pages/disk_page.h"
#include "pages/display_page.h"
#include "pages/memory_page.h"
#include "pages/registration.h"
#include "pages/resources_page.h"
#include "pages/user_page.h"
#include "platform/platform.h"
#include "ui/form.h"

namespace app {

// Where a window of the given outer size sits centred on the screen; both
// halves truncate toward zero, so an oversized window gets a negative offset.
struct Position {
    int left;
    int top;
};
Position centredPosition(platform::ScreenSize screen, ui::Size outer);

// The directory part of a path (up to and including its last backslash or
// colon), read character by character so that a trail byte 0x5C of a
// two-byte character is not taken for a backslash.
std::string directoryOf(const std::string& path, platform::Platform& platform);

class TForm1 {
public:
    explicit TForm1(platform::Platform& platform);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    ui::Form& form() { return form_; }

    void FormCreate();
    void FormDestroy();

    // Caret hiding in the display boxes.
    void Name1MouseDown(ui::MouseButton button);
    // The press effect of the four round push-panels.
    void KeisokuMouseDown(ui::MouseButton button);
    void KeisokuMouseUp(ui::MouseButton button);
    void TourokuMouseDown(ui::MouseButton button);
    void TourokuMouseUp(ui::MouseButton button);
    void CancelMouseDown(ui::MouseButton button);
    void CancelMouseUp(ui::MouseButton button);
    void ChangeMouseDown(ui::MouseButton button);
    void ChangeMouseUp(ui::MouseButton button);
    // The focus move when a page is shown.
    void MemTabShow();
    void CPUTabShow();
    void ResTabShow();
    void BIOSTabShow();
    void DisplayTabShow();
    void UserTabShow();

    pages::DiskPage& diskPage() { return disk_; }
    pages::UserPage& userPage() { return user_; }

private:
    template <class T>
    T& control(int id) {
        return form_.get<T>(id);
    }
    void wireEvents();
    void wireUserPage();
    void wireRegistration();
    void wireCpuClock();
    void wireRefresh();

    // The steps of FormCreate, in their order.
    void showComputerName();
    void fillBiosPage();
    void ListDisplayModes();
    void outlineRoundPanels();
    void startPerformanceStatistics();
    void createWorkingDirectory();
    void centreOnScreen();
    void refreshUserInformation();

    platform::Platform& platform_;
    ui::Form form_;
    ui::Timer& Timer1;
    ui::Timer& Timer2;
    pages::MemoryPage memory_;
    pages::ResourcesPage resources_;
    pages::LoadMonitor load_;
    pages::DiskPage disk_;
    pages::UserPage user_;
    pages::Registration registration_;
    pages::CpuClock clock_;
    pages::BiosPage bios_;
    pages::DisplayPage display_;
};

}  // namespace app
