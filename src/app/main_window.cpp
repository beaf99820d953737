// The main window: wiring, start-up and shut-down, the two refreshes that
// run more than one page, and the window-wide behaviours.
#include "app/main_window.h"

#include "app/control_ids.h"
#include "app/layout/layouts.h"
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

pages::UsageControls MainWindow::usageControls(int totalCaption, int usedCaption, int freeCaption,
                                               int shareCaption, int total, int used, int free, int share, int pie) {
    return {control<ui::Label>(totalCaption), control<ui::Label>(usedCaption), control<ui::Label>(freeCaption),
            control<ui::Label>(shareCaption), control<ui::TextBox>(total),     control<ui::TextBox>(used),
            control<ui::TextBox>(free),       control<ui::Label>(share),       control<ui::Gauge>(pie)};
}

MainWindow::MainWindow(platform::Platform& platform)
    : platform_(platform),
      profile_(platform::profileOf(platform::queryPlatformKind(platform))),
      form_(layout::mainWindow(), layout::allTables()),
      clockTimer_(form_.addTimer(ids::Timer1, 1000, false)),
      refreshTimer_(form_.addTimer(ids::Timer2, 2000, true)),
      disk_({control<ui::DriveBox>(ids::DriveComboBox1),
             usageControls(ids::Label2, ids::Label3, ids::Label4, ids::Label12, ids::Memo1, ids::Memo2, ids::Memo3,
                           ids::Label20, ids::Gauge5),
             control<ui::TextBox>(ids::Memo9), control<ui::TextBox>(ids::Memo10)},
            platform, separatorsOf(platform)),
      memory_({usageControls(ids::Label5, ids::Label6, ids::Label7, ids::Label8, ids::Memo4, ids::Memo5, ids::Memo6,
                             ids::Label13, ids::Gauge1)},
              platform, separatorsOf(platform)),
      cpu_({control<ui::TextBox>(ids::Memo7), control<ui::Label>(ids::Label16), control<ui::Control>(ids::Panel11),
            clockTimer_, control<ui::TextBox>(ids::Edit3), control<ui::TextBox>(ids::Edit4),
            control<ui::Label>(ids::Label9), control<ui::Gauge>(ids::Gauge6), control<ui::Label>(ids::Label21)},
           platform, profile_, separatorsOf(platform)),
      resources_({control<ui::Gauge>(ids::Gauge2), control<ui::Gauge>(ids::Gauge3), control<ui::Gauge>(ids::Gauge4)},
                 platform),
      bios_({control<ui::TabPage>(ids::BIOSTab), control<ui::TextBox>(ids::Memo8), control<ui::TextBox>(ids::Edit1)},
            platform, profile_),
      display_({control<ui::TextBox>(ids::Disp1)}, platform),
      user_({control<ui::TextBox>(ids::NowName), control<ui::TextBox>(ids::NowCompany),
             control<ui::TextBox>(ids::NowPCName), control<ui::TextBox>(ids::NewName),
             control<ui::TextBox>(ids::NewCompany), control<ui::TextBox>(ids::NewPCName),
             control<ui::TextBox>(ids::M1)},
            platform, profile_),
      registration_({control<ui::Panel>(ids::Panel20), control<ui::Panel>(ids::Panel25),
                     control<ui::Panel>(ids::Change), control<ui::TextBox>(ids::M1),
                     control<ui::TextBox>(ids::NewName), control<ui::TextBox>(ids::NewCompany),
                     control<ui::TextBox>(ids::NewPCName)},
                    platform, profile_, user_, form_, [this] { refreshUserInformation(); }) {
    control<ui::PageControl>(ids::PageControl1).setInitialPage(control<ui::TabPage>(ids::DiskTab));
    form_.setFocusHome(control<ui::PageControl>(ids::PageControl1));
    form_.addWindowMenuCommand(ids::CopyReport, texts::kCopyReport, [this] { copyReport(); });
    wireEvents();
}

void MainWindow::wireEvents() {
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

    // The focus move when a page is shown (MemTabShow and its kin); showing
    // the resources page refreshes it at once.
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
    control<ui::TabPage>(ids::ResTab).onShow = [this] { resources_.refresh(); };

    // Disk page.
    control<ui::DriveBox>(ids::DriveComboBox1).onChange = [this] { disk_.driveChanged(); };
    // CPU page.
    control<ui::Control>(ids::Keisoku).onClick = [this] { cpu_.requestMeasurement(); };
    clockTimer_.onTimer = [this] { cpu_.measure(); };
    control<ui::TextBox>(ids::Memo7).onChange = [this] { cpu_.keepFocusOnClock(); };
    // User page.
    control<ui::Control>(ids::Change).onClick = [this] { registration_.enterEditing(); };
    control<ui::Control>(ids::Touroku).onClick = [this] { registration_.registerChanges(); };
    control<ui::Control>(ids::Cancel).onClick = [this] { registration_.cancelEditing(); };
    for (int id : {ids::NewName, ids::NewCompany, ids::NewPCName}) {
        auto& box = control<ui::TextBox>(id);
        box.onChange = [this] { registration_.fieldEdited(); };
        // Enter in a box registers, as a dialog's default button would.
        box.onEnter = [this] { registration_.registerChanges(); };
    }
    // Esc anywhere on the editing panel cancels.
    for (int id : {ids::NewName, ids::NewCompany, ids::NewPCName, ids::Touroku, ids::Cancel})
        control<ui::Control>(id).onEscape = [this] { registration_.cancelEditing(); };

    refreshTimer_.onTimer = [this] { refreshTick(); };
    // The hidden buttons carry the refreshes as their clicks; nothing in the
    // program clicks them, every refresh is a direct call.
    control<ui::Button>(ids::Button1).onClick = [this] { disk_.refreshSpace(); };
    control<ui::Button>(ids::Button2).onClick = [this] { memory_.refresh(); };
    control<ui::Button>(ids::Button4).onClick = [this] { resources_.refresh(); };
    control<ui::Button>(ids::Button8).onClick = [this] { refreshUserInformation(); };
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

void MainWindow::refreshTick() {
    cpu_.showLoad(pages::readCpuUsage(platform_, profile_));
    memory_.refresh();
    resources_.refresh();
}

std::string MainWindow::report(const std::vector<char>& driveLetters) {
    return pages::reportText(reportFacts(driveLetters), separatorsOf(platform_));
}

void MainWindow::copyReport() {
    form_.copyText(report(driveBoxLetters()));
}

void MainWindow::takeReadingsForReport() {
    showComputerName();
    fillBiosPage();
    listDisplayModes();
    refreshUserInformation();
    memory_.refresh();
    resources_.refresh();
    cpu_.measureSilently();
}

std::vector<char> MainWindow::driveBoxLetters() {
    std::vector<char> letters;
    for (const std::string& entry : control<ui::DriveBox>(ids::DriveComboBox1).items())
        if (!entry.empty()) letters.push_back(entry[0]);
    return letters;
}

pages::ReportFacts MainWindow::reportFacts(const std::vector<char>& driveLetters) {
    pages::ReportFacts facts;
    facts.taken = platform_.localTime();
    facts.version = platform::queryVersion(platform_);
    facts.kind = profile_.kind;
    {
        // A copy from the window as much as a report without one: no
        // question about an empty floppy or CD drive for each drive listed.
        platform::QuietDrives quiet(platform_);
        const std::optional<pages::DriveReading>& chosen = disk_.reading();
        for (char letter : driveLetters) {
            if (letter < 'a' || letter > 'z') continue;
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
    facts.resources = resources_.shown();
    facts.showsBios = bios_.shown();
    facts.biosLines = bios_.lines();
    facts.modes = display_.modes();
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
