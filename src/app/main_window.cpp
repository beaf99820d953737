// The main window: wiring, start-up and shut-down, the two refreshes that
// run more than one page, and the window-wide behaviours.
#include "app/main_window.h"

#include "app/layout/layouts.h"
#include "pages/control_ids.h"
#include "pages/inventory.h"
#include "pages/load_statistics.h"
#include "platform/paths.h"
#include "platform/quiet_drives.h"
#include "platform/registry_locations.h"
#include "present/texts.h"

namespace app {
namespace {

present::Separators separatorsOf(platform::Platform& platform) {
    return {platform.decimalSeparator(), platform.thousandsSeparator()};
}

// The press effect of a round push-panel: a left press moves it one pixel
// down and right within its ring, the release moves it back.
void press(ui::Control& panel, ui::MouseButton button) {
    if (button != ui::MouseButton::Left) return;
    panel.setTop(panel.top() + 1);
    panel.setLeft(panel.left() + 1);
}

void release(ui::Control& panel, ui::MouseButton button) {
    if (button != ui::MouseButton::Left) return;
    panel.setTop(panel.top() - 1);
    panel.setLeft(panel.left() - 1);
}

// The four push panels, each inside its ring, in the order their outlines are made.
constexpr struct {
    int ring;
    int panel;
} kRoundPanels[] = {
    {ids::Panel13, ids::Keisoku},
    {ids::Panel23, ids::Touroku},
    {ids::Panel24, ids::Cancel},
    {ids::Panel25, ids::Change},
};

}  // namespace

Position centredPosition(platform::ScreenSize screen, ui::Size outer) {
    return {(screen.width - outer.width) / 2, (screen.height - outer.height) / 2};
}

namespace {

// Every text of the window and of what it writes is in the system's
// language, chosen before the first is read.
platform::Platform& chosenLanguage(platform::Platform& platform) {
    texts::choose(platform.ansiCodePage());
    return platform;
}

}  // namespace

MainWindow::MainWindow(platform::Platform& platform)
    : platform_(chosenLanguage(platform)),
      profile_(platform::profileOf(platform::queryPlatformKind(platform))),
      form_(layout::mainWindow(), layout::allTables()),
      refreshTimer_(form_.timer(ids::Timer2)),
      disk_(form_, platform, separatorsOf(platform)),
      memory_(form_, platform, separatorsOf(platform)),
      cpu_(form_, platform, profile_, separatorsOf(platform)),
      resources_(form_, platform),
      bios_(form_, platform, profile_),
      display_(form_, platform),
      user_(form_, platform, profile_) {
    control<ui::PageControl>(ids::PageControl1).setInitialPage(control<ui::TabPage>(ids::DiskTab));
    form_.setFocusHome(control<ui::PageControl>(ids::PageControl1));
    form_.addWindowMenuCommand(ids::CopyReport, texts::kCopyReport, [this] { copyReport(); });
    form_.addWindowMenuCommand(ids::SaveReport, texts::kSaveReport, [this] { saveReport(); });
    refreshTimer_.onTimer = [this] { refreshTick(); };
    // The user-information refresh reads for two pages; registering and
    // cancelling end in it.
    const pages::UserControls& user = user_.controls();
    user.refreshButton.onClick = [this] { refreshUserInformation(); };
    user.registerButton.onClick = [this] { registerChanges(); };
    user.cancelButton.onClick = [this] { cancelEditing(); };
    wireWindowBehaviours();
}

void MainWindow::wireWindowBehaviours() {
    using ui::MouseButton;
    // Caret hiding (Name1MouseDown): a press of any button in a display box
    // leaves no blinking caret there.
    for (const auto& c : form_.controls()) {
        if (c->hidesCaret()) c->onMouseDown = [this](MouseButton) { form_.hideCaret(); };
    }
    // The press effect of the four push panels (KeisokuMouseDown and its kin).
    for (const auto& round : kRoundPanels) {
        auto& panel = control<ui::Control>(round.panel);
        panel.onMouseDown = [&panel](MouseButton b) { press(panel, b); };
        panel.onMouseUp = [&panel](MouseButton b) { release(panel, b); };
    }
    // The focus move when a page is shown (MemTabShow and its kin).
    const struct {
        int page;
        int focus;
    } kFocusOnShow[] = {{ids::MemTab, ids::Panel8},
                        {ids::CPUTab, ids::Panel11},
                        {ids::BIOSTab, ids::Panel26},
                        {ids::DisplayTab, ids::Panel29},
                        {ids::UserTab, ids::Panel16}};
    for (const auto& show : kFocusOnShow) {
        auto& target = control<ui::Control>(show.focus);
        control<ui::TabPage>(show.page).onShow = [&target] { target.setFocus(); };
    }
}

void MainWindow::create() {
    showComputerName();
    fillBiosPage();
    listDisplayModes();
    outlineRoundPanels();
    startStatistics();
    createWorkingDirectory();
    centreOnScreen();
    refreshUserInformation();
    // A computer name that waits for the restart is told as after a registration.
    user_.showStatus();
}

void MainWindow::destroy() {
    pages::switchStatistics(platform_, profile_, registry::kStopStat);
}

void MainWindow::refreshUserInformation() {
    user_.refresh();
    cpu_.showProcessor();
}

void MainWindow::registerChanges() {
    std::optional<pages::Registered> registered = user_.registerChanges();
    if (!registered) return;
    refreshUserInformation();
    user_.showRegistered(*registered);
}

void MainWindow::cancelEditing() {
    user_.cancelEditing();
    refreshUserInformation();
}

void MainWindow::refreshTick() {
    cpu_.showLoad(pages::readCpuUsage(platform_, profile_));
    memory_.refresh();
    resources_.refresh();
}

std::string MainWindow::report() {
    return pages::reportText(reportFacts(), separatorsOf(platform_), platform::leadByteTest(platform_));
}

std::string MainWindow::inventoryRow() {
    return pages::inventoryRow(reportFacts(), platform::leadByteTest(platform_));
}

void MainWindow::refreshForReport() {
    {
        // The chosen drive may have lost its medium since: no prompt for it.
        platform::QuietDrives quiet(platform_);
        disk_.refresh();
    }
    refreshTick();
}

void MainWindow::copyReport() {
    refreshForReport();
    form_.copyText(report());
}

void MainWindow::saveReport() {
    std::optional<std::string> path = form_.askSavePath(suggestedReportName());
    if (!path) return;
    refreshForReport();
    long written = platform_.replaceFile(*path, report());
    if (written == platform::kSuccess) return;
    std::string reason = platform_.errorText(written);
    form_.showMessage(reason.empty() ? std::string(texts::kCannotSaveReport)
                                     : std::string(texts::kCannotSaveReport) + "\r\n" + reason);
}

std::string MainWindow::suggestedReportName() {
    platform::LocalTime now = platform_.localTime();
    std::string day = std::to_string(now.year * 10000 + now.month * 100 + now.day);  // YYYYMMDD
    day.insert(0, day.size() < 8 ? 8 - day.size() : 0, '0');
    return pages::reportFileStem(user_.computerNameAtStart(), platform::leadByteTest(platform_)) + "-" + day + ".txt";
}

void MainWindow::takeReadingsForReport() {
    showComputerName();
    fillBiosPage();
    listDisplayModes();
    refreshUserInformation();
    disk_.showDrives();
    memory_.refresh();
    resources_.refresh();
    cpu_.measureSilently();
}

pages::ReportFacts MainWindow::reportFacts() {
    pages::ReportFacts facts;
    facts.taken = platform_.localTime();
    facts.version = platform::queryVersion(platform_);
    facts.kind = profile_.kind;
    {
        // A copy from the window as much as a report without one: no
        // question about an empty floppy or CD drive for each drive listed.
        platform::QuietDrives quiet(platform_);
        const std::optional<pages::DriveReading>& chosen = disk_.reading();
        for (const pages::DriveEntry& entry : disk_.drives()) {
            char letter = entry.letter;
            pages::DriveReading drive =
                chosen && chosen->letter == letter ? *chosen : pages::readDrive(platform_, letter);
            if (pages::isReady(drive)) facts.drives.push_back(std::move(drive));
        }
    }
    facts.memory = memory_.reading();
    facts.clockHertz = cpu_.measuredHertz();
    facts.processorName = cpu_.processorName();
    facts.vendor = cpu_.vendor();
    facts.showsLoad = cpu_.showsLoad();
    facts.load = cpu_.load();
    facts.showsResources = profile_.has16BitServices;
    facts.resources = resources_.shares();
    facts.showsBios = bios_.shown();
    facts.biosLines = bios_.lines();
    facts.modes = display_.modes();
    facts.currentMode = platform_.currentDisplayMode();
    facts.owner = user_.owner();
    facts.organisation = user_.organisation();
    facts.computerName = user_.computerNameAtStart();
    facts.pendingComputerName = pages::waitingComputerName(platform_, facts.computerName);
    return facts;
}

// Step 1: the computer name into NowPCName and NewPCName.
void MainWindow::showComputerName() {
    user_.showComputerName();
}

// Step 2: the BIOS identification, by platform kind.
void MainWindow::fillBiosPage() {
    bios_.fill();
}

// Step 3: the display modes into Disp1.
void MainWindow::listDisplayModes() {
    display_.listModes();
}

// Step 4: every ring and push panel gets its elliptic outline, ring first.
void MainWindow::outlineRoundPanels() {
    for (const auto& round : kRoundPanels) {
        control<ui::Panel>(round.ring).setEllipticOutline();
        control<ui::Panel>(round.panel).setEllipticOutline();
    }
}

// Step 5: the Windows 9x performance statistics start.
void MainWindow::startStatistics() {
    pages::switchStatistics(platform_, profile_, registry::kStartStat);
}

// Step 6: TempData beside the executable; any failure is silently ignored.
// Without a directory part (the path could not be learnt) the name alone
// would make it in the current directory, which is not beside the executable.
void MainWindow::createWorkingDirectory() {
    std::string directory = platform::directoryOf(platform_.moduleFileName(), platform_);
    if (directory.empty()) return;
    platform_.createDirectory(directory + "TempData");
}

// Step 7: centred on the primary screen, the top set before the left.
void MainWindow::centreOnScreen() {
    Position at = centredPosition(platform_.screenSize(), form_.outerSize());
    form_.setTop(at.top);
    form_.setLeft(at.left);
}

}  // namespace app
