// The main window (TForm1): builds the controls from the layout and the pages,
// which bind and wire their own controls; runs what spans pages: the start-up
// and shut-down sequences, the user-information refresh (the user page and
// the CPU page's processor) with the registration that ends in it, the
// 2-second refresh tick, the window-wide behaviours (the press effect of the
// round push-panels, caret hiding, the focus move when a page shows), the
// window menu and the report.
#pragma once

#include <string>
#include <vector>

#include "pages/bios_page.h"
#include "pages/cpu_page.h"
#include "pages/disk_page.h"
#include "pages/display_page.h"
#include "pages/memory_page.h"
#include "pages/report.h"
#include "pages/resources_page.h"
#include "pages/user_page.h"
#include "platform/platform.h"
#include "platform/platform_profile.h"
#include "ui/form.h"

namespace app {

// Where a window of the given outer size sits centred on the screen; both
// halves truncate toward zero, so an oversized window gets a negative offset.
struct Position {
    int left;
    int top;
};
Position centredPosition(platform::ScreenSize screen, ui::Size outer);

class MainWindow {
public:
    explicit MainWindow(platform::Platform& platform);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    ui::Form& form() { return form_; }
    const platform::PlatformProfile& profile() const { return profile_; }

    // The window's creation (FormCreate): eight steps in a fixed order.
    void create();
    // The window's destruction (FormDestroy): the statistics stop.
    void destroy();
    // The user-information refresh (Button8Click): the user page, then the
    // CPU page's processor name, vendor and load controls.
    void refreshUserInformation();
    // Timer2's event, every 2000 ms (Timer2Timer): the processor load, then
    // the memory page, then the system resources page, whichever page shows.
    void refreshTick();

    pages::DiskPage& diskPage() { return disk_; }
    pages::UserPage& userPage() { return user_; }

    // The click of Touroku: the registration, the user-information refresh,
    // then what the registration left waiting, in one straight line.
    void registerChanges();
    // The click of Cancel: the editing panel closes, and the refresh puts
    // the registry's values back into the boxes.
    void cancelEditing();

    // The report of every page as the pages hold their figures now, with
    // the disk section's drives those of the disk page's list that are
    // ready: the chosen one as the page shows it, the others read anew,
    // with no prompt for a drive without a medium.
    std::string report();
    // The inventory row of the same facts.
    std::string inventoryRow();
    // The window menu's commands: the report onto the clipboard, or into a
    // file the user chooses in the Save As dialog. Every figure is read
    // anew first, and the pages show what the report says; a clock not
    // measured yet stays unmeasured.
    void copyReport();
    void saveReport();
    // The file name the Save As dialog suggests: the computer name and the
    // day ("PCNAME-20261211.txt").
    std::string suggestedReportName();

    // Where there is no window, what the pages would hold after the start-up
    // and one refresh, and a measured clock, for a report: every start-up
    // step that reads, the drive list, the memory and resources pages'
    // refreshes, then the clock's four seconds (without the beep). Nothing is
    // written: no TempData, and the statistics, which only a running window
    // can sample, are not started, so the load stays unmeasured.
    void takeReadingsForReport();

private:
    template <class T>
    T& control(int id) {
        return form_.get<T>(id);
    }
    void wireWindowBehaviours();
    pages::ReportFacts reportFacts();
    // The figures that change while the program runs, read anew for a
    // report made from the window.
    void refreshForReport();

    // The steps of create(), in their order.
    void showComputerName();
    void fillBiosPage();
    void listDisplayModes();
    void outlineRoundPanels();
    void startStatistics();
    void createWorkingDirectory();
    void centreOnScreen();

    platform::Platform& platform_;
    // Worked out once: the platform does not change while the program runs.
    const platform::PlatformProfile profile_;
    ui::Form form_;
    ui::Timer& refreshTimer_;  // Timer2: the 2-second refresh
    pages::DiskPage disk_;
    pages::MemoryPage memory_;
    pages::CpuPage cpu_;
    pages::ResourcesPage resources_;
    pages::BiosPage bios_;
    pages::DisplayPage display_;
    pages::UserPage user_;
};

}  // namespace app
