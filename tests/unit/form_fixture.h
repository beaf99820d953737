// A main window on a fake machine, without windows: handlers run on the
// control model, a recording back end keeps what boxes would have shown,
// and tests read the controls' properties.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "pages/control_ids.h"
#include "app/main_window.h"
#include "fake_platform.h"
#include "recording_peer.h"

// A main window of its own with its recording back end, for a case of a
// table that needs a machine of its own.
struct RecordedWindow {
    explicit RecordedWindow(fake::Platform& machine) : window(machine), shown(window.form()) {}
    // Creation, as when the window is made.
    void create() { window.form().dispatch([&] { window.create(); }); }
    // Creation, then the drive box's first showing, as when the window is first shown.
    void start() {
        create();
        window.form().dispatch([&] { control<ui::DriveBox>(ids::DriveComboBox1).onFirstShow(); });
    }
    void click(int id) {
        window.form().dispatch([&] { window.form().get<ui::Control>(id).click(); });
    }
    template <class T = ui::Control>
    T& control(int id) {
        return window.form().get<T>(id);
    }

    app::MainWindow window;
    RecordingFormPeer shown;
};

// A used share as the disk and memory pages show it, for tables of cases:
// total and free bytes, and the three figures, the share and its colour.
struct UsageCase {
    std::int64_t total;
    std::int64_t free;
    const char* totalText;
    const char* usedText;
    const char* freeText;
    const char* percent;
    present::Colour colour;
};

// The controls of one page's used share: the three figures, the share and its pie.
struct UsageIds {
    int total, used, free, share, pie;
};
inline constexpr UsageIds kDiskUsage{ids::Memo1, ids::Memo2, ids::Memo3, ids::Label20, ids::Gauge5};
inline constexpr UsageIds kMemoryUsage{ids::Memo4, ids::Memo5, ids::Memo6, ids::Label13, ids::Gauge1};

class FormTest : public ::testing::Test {
protected:
    // The window is made on first use, so that a test can set the machine up first.
    app::MainWindow& window() { return recorded().window; }
    ui::Form& form() { return window().form(); }
    // What the window's boxes showed, its caret hides and paints at once.
    RecordingFormPeer& shown() { return recorded().shown; }
    // Creation, then the drive box's first showing with the current
    // directory on the given drive (0: a network path), as when the window
    // is first shown.
    void start(char currentDrive = 'c') {
        machine.currentDirectory_ = currentDrive != 0 ? std::string(1, currentDrive) + ":\\Velnor" : "\\\\server\\share";
        form().dispatch([&] { window().create(); });
        form().dispatch([&] { control<ui::DriveBox>(ids::DriveComboBox1).onFirstShow(); });
    }
    template <class T = ui::Control>
    T& control(int id) {
        return form().get<T>(id);
    }
    std::string text(int id) { return control(id).text(); }
    void expectUsage(const UsageIds& shown, const UsageCase& c) {
        EXPECT_EQ(text(shown.total), c.totalText) << c.total << " " << c.free;
        EXPECT_EQ(text(shown.used), c.usedText) << c.total << " " << c.free;
        EXPECT_EQ(text(shown.free), c.freeText) << c.total << " " << c.free;
        EXPECT_EQ(text(shown.share), c.percent) << c.total << " " << c.free;
        EXPECT_EQ(fontColour(shown.share), c.colour) << c.total << " " << c.free;
        EXPECT_EQ(control<ui::Gauge>(shown.pie).progress(), std::stoi(c.percent)) << c.total << " " << c.free;
    }
    present::Colour fontColour(int id) { return control(id).fontColour(); }
    bool visible(int id) { return control(id).visible(); }
    ui::Gauge& gauge(int id) { return control<ui::Gauge>(id); }
    void showPage(int id) {
        form().dispatch([&] {
            control<ui::PageControl>(ids::PageControl1).setActivePage(control<ui::TabPage>(id));
        });
    }
    ui::Timer& timer(int id) { return form().timer(id); }
    // A click as the message loop delivers it.
    void click(int id) {
        form().dispatch([&] { control(id).click(); });
    }

    fake::Platform machine;

private:
    RecordedWindow& recorded() {
        if (!recorded_) recorded_ = std::make_unique<RecordedWindow>(machine);
        return *recorded_;
    }
    std::unique_ptr<RecordedWindow> recorded_;
};
