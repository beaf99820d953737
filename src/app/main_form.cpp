// TForm1: wiring, start-up and shut-down, and the window-wide behaviours.
#include "app/main_form.h"

#include "app/control_ids.h"
#include "app/layout/layouts.h"
#include "platform/registry_locations.h"

namespace app {
namespace {

present::Separators separatorsOf(platform::Platform& platform) {
    return {platform.decimalSeparator(), platform.thousandsSeparator()};
}

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

}  // namespace

Position centredPosition(platform::ScreenSize screen, ui::Size outer) {
    return {(screen.width - outer.width) / 2, (screen.height - outer.height) / 2};
}

std::string directoryOf(const std::string& path, platform::Platform& platform) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        auto byte = static_cast<std::uint8_t>(path[i]);
        if (platform.isLeadByte(byte) && i + 1 < path.size()) {
            ++i;
            continue;
        }
        if (byte == '\\' || byte == ':') end = i + 1;
    }
    return path.substr(0, end);
}

TForm1::TForm1(platform::Platform& platform)
    : platform_(platform),
      form_(layout::mainWindow(), layout::allTables()),
      Timer1(form_.addTimer(ids::Timer1, 1000, false)),
      Timer2(form_.addTimer(ids::Timer2, 2000, true)),
      memory_({control<ui::Label>(ids::Label5), control<ui::Label>(ids::Label6), control<ui::Label>(ids::Label7),
               control<ui::Label>(ids::Label8), control<ui::Label>(ids::Label13), control<ui::Gauge>(ids::Gauge1),
               control<ui::TextBox>(ids::Memo4), control<ui::TextBox>(ids::Memo5), control<ui::TextBox>(ids::Memo6)},
              platform, separatorsOf(platform)),
      resources_({control<ui::Gauge>(ids::Gauge2), control<ui::Gauge>(ids::Gauge3), control<ui::Gauge>(ids::Gauge4)},
                 platform),
      load_({control<ui::Gauge>(ids::Gauge6), control<ui::Label>(ids::Label21)}, platform, memory_, resources_),
      disk_({control<ui::DriveBox>(ids::DriveComboBox1), control<ui::Label>(ids::Label2),
             control<ui::Label>(ids::Label3), control<ui::Label>(ids::Label4), control<ui::Label>(ids::Label12),
             control<ui::Label>(ids::Label20), control<ui::Gauge>(ids::Gauge5), control<ui::TextBox>(ids::Memo1),
             control<ui::TextBox>(ids::Memo2), control<ui::TextBox>(ids::Memo3), control<ui::TextBox>(ids::Memo9),
             control<ui::TextBox>(ids::Memo10)},
            platform, separatorsOf(platform)),
      user_({control<ui::TextBox>(ids::NowName), control<ui::TextBox>(ids::NowCompany),
             control<ui::TextBox>(ids::NowPCName), control<ui::TextBox>(ids::NewName),
             control<ui::TextBox>(ids::NewCompany), control<ui::TextBox>(ids::NewPCName),
             control<ui::TextBox>(ids::M1), control<ui::TextBox>(ids::Edit3), control<ui::TextBox>(ids::Edit4),
             control<ui::Label>(ids::Label9), control<ui::Label>(ids::Label21), control<ui::Gauge>(ids::Gauge6)},
            platform),
      registration_({control<ui::Panel>(ids::Panel20), control<ui::Panel>(ids::Panel25), control<ui::TextBox>(ids::M1),
                     control<ui::TextBox>(ids::NewName), control<ui::TextBox>(ids::NewCompany),
                     control<ui::TextBox>(ids::NewPCName), control<ui::TextBox>(ids::NowPCName),
                     control<ui::Button>(ids::Button8)},
                    platform, user_, form_),
      clock_({control<ui::TextBox>(ids::Memo7), control<ui::Label>(ids::Label16), control<ui::Control>(ids::Panel11),
              Timer1},
             platform, separatorsOf(platform)),
      bios_({control<ui::TabPage>(ids::BIOSTab), control<ui::TextBox>(ids::Memo8), control<ui::TextBox>(ids::Edit1)},
            platform),
      display_({control<ui::TextBox>(ids::Disp1)}, platform) {
    control<ui::PageControl>(ids::PageControl1).setInitialPage(control<ui::TabPage>(ids::DiskTab));
    wireEvents();
    wireUserPage();
    wireRegistration();
    wireCpuClock();
    wireRefresh();
}

void TForm1::wireEvents() {
    using ui::MouseButton;
    for (const auto& c : form_.controls()) {
        if (c->hidesCaret()) c->onMouseDown = [this](MouseButton b) { Name1MouseDown(b); };
    }

    control<ui::Control>(ids::Keisoku).onMouseDown = [this](MouseButton b) { KeisokuMouseDown(b); };
    control<ui::Control>(ids::Keisoku).onMouseUp = [this](MouseButton b) { KeisokuMouseUp(b); };
    control<ui::Control>(ids::Touroku).onMouseDown = [this](MouseButton b) { TourokuMouseDown(b); };
    control<ui::Control>(ids::Touroku).onMouseUp = [this](MouseButton b) { TourokuMouseUp(b); };
    control<ui::Control>(ids::Cancel).onMouseDown = [this](MouseButton b) { CancelMouseDown(b); };
    control<ui::Control>(ids::Cancel).onMouseUp = [this](MouseButton b) { CancelMouseUp(b); };
    control<ui::Control>(ids::Change).onMouseDown = [this](MouseButton b) { ChangeMouseDown(b); };
    control<ui::Control>(ids::Change).onMouseUp = [this](MouseButton b) { ChangeMouseUp(b); };

    control<ui::TabPage>(ids::MemTab).onShow = [this] { MemTabShow(); };
    control<ui::TabPage>(ids::CPUTab).onShow = [this] { CPUTabShow(); };
    control<ui::TabPage>(ids::ResTab).onShow = [this] { ResTabShow(); };
    control<ui::TabPage>(ids::BIOSTab).onShow = [this] { BIOSTabShow(); };
    control<ui::TabPage>(ids::DisplayTab).onShow = [this] { DisplayTabShow(); };
    control<ui::TabPage>(ids::UserTab).onShow = [this] { UserTabShow(); };

    control<ui::DriveBox>(ids::DriveComboBox1).onChange = [this] { disk_.DriveComboBox1Change(); };
    control<ui::Button>(ids::Button1).onClick = [this] { disk_.Button1Click(); };
}

void TForm1::wireUserPage() {
    control<ui::Button>(ids::Button8).onClick = [this] { user_.Button8Click(); };
}

void TForm1::wireRegistration() {
    control<ui::Control>(ids::Change).onClick = [this] { registration_.ChangeClick(); };
    control<ui::Control>(ids::Touroku).onClick = [this] { registration_.TourokuClick(); };
    control<ui::Control>(ids::Cancel).onClick = [this] { registration_.CancelClick(); };
    for (int id : {ids::NewName, ids::NewCompany, ids::NewPCName})
        control<ui::TextBox>(id).onChange = [this] { registration_.NewNameChange(); };
}

void TForm1::wireCpuClock() {
    control<ui::Control>(ids::Keisoku).onClick = [this] { clock_.KeisokuClick(); };
    Timer1.onTimer = [this] { clock_.Timer1Timer(); };
    control<ui::TextBox>(ids::Memo7).onChange = [this] { clock_.Memo7Change(); };
}

// The periodic refresh and the two page refreshes it runs, each also the
// click of a hidden button.
void TForm1::wireRefresh() {
    control<ui::Button>(ids::Button2).onClick = [this] { memory_.Button2Click(); };
    control<ui::Button>(ids::Button4).onClick = [this] { resources_.Button4Click(); };
    Timer2.onTimer = [this] { load_.Timer2Timer(); };
}

void TForm1::FormCreate() {
    showComputerName();
    fillBiosPage();
    ListDisplayModes();
    outlineRoundPanels();
    startPerformanceStatistics();
    createWorkingDirectory();
    centreOnScreen();
    refreshUserInformation();
}

// The Windows 9x performance statistics stop.
void TForm1::FormDestroy() {
    pages::SwitchPerfStats(platform_, registry::kStopStat);
}

// Step 1: the computer name into NowPCName and NewPCName.
void TForm1::showComputerName() {
    user_.showComputerName();
}

// Step 2: the BIOS identification, by platform kind.
void TForm1::fillBiosPage() {
    bios_.fill();
}

// Step 3: the display modes into Disp1.
void TForm1::ListDisplayModes() {
    display_.ListDisplayModes();
}

// Step 4: every ring and push panel gets its elliptic outline.
void TForm1::outlineRoundPanels() {
    for (int id : {ids::Panel13, ids::Keisoku, ids::Panel23, ids::Touroku, ids::Panel24, ids::Cancel, ids::Panel25,
                   ids::Change})
        control<ui::Panel>(id).setEllipticOutline();
}

// Step 5: the Windows 9x performance statistics start.
void TForm1::startPerformanceStatistics() {
    pages::SwitchPerfStats(platform_, registry::kStartStat);
}

// Step 6: TempData beside the executable; any failure is silently ignored.
// Without a directory part (the path could not be learnt) the name alone
// would make it in the current directory, which is not beside the executable.
void TForm1::createWorkingDirectory() {
    std::string directory = directoryOf(platform_.moduleFileName(), platform_);
    if (directory.empty()) return;
    platform_.createDirectory(directory + "TempData");
}

// Step 7: centred on the primary screen, the top set before the left.
void TForm1::centreOnScreen() {
    Position at = centredPosition(platform_.screenSize(), form_.outerSize());
    form_.setTop(at.top);
    form_.setLeft(at.left);
}

// Step 8: the user-information refresh, as a click of the hidden Button8.
void TForm1::refreshUserInformation() {
    control<ui::Button>(ids::Button8).click();
}

void TForm1::Name1MouseDown(ui::MouseButton) {
    form_.hideCaret();
}

void TForm1::KeisokuMouseDown(ui::MouseButton button) { press(control<ui::Control>(ids::Keisoku), button); }
void TForm1::KeisokuMouseUp(ui::MouseButton button) { release(control<ui::Control>(ids::Keisoku), button); }
void TForm1::TourokuMouseDown(ui::MouseButton button) { press(control<ui::Control>(ids::Touroku), button); }
void TForm1::TourokuMouseUp(ui::MouseButton button) { release(control<ui::Control>(ids::Touroku), button); }
void TForm1::CancelMouseDown(ui::MouseButton button) { press(control<ui::Control>(ids::Cancel), button); }
void TForm1::CancelMouseUp(ui::MouseButton button) { release(control<ui::Control>(ids::Cancel), button); }
void TForm1::ChangeMouseDown(ui::MouseButton button) { press(control<ui::Control>(ids::Change), button); }
void TForm1::ChangeMouseUp(ui::MouseButton button) { release(control<ui::Control>(ids::Change), button); }

void TForm1::MemTabShow() { control<ui::Control>(ids::Panel8).setFocus(); }
void TForm1::CPUTabShow() { control<ui::Control>(ids::Panel11).setFocus(); }
void TForm1::ResTabShow() { control<ui::Button>(ids::Button4).click(); }
void TForm1::BIOSTabShow() { control<ui::Control>(ids::Panel26).setFocus(); }
void TForm1::DisplayTabShow() { control<ui::Control>(ids::Panel29).setFocus(); }
void TForm1::UserTabShow() { control<ui::Control>(ids::Panel16).setFocus(); }

}  // namespace app
