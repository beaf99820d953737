// A main window on a fake machine, without windows: handlers run on the
// control model and tests read the controls' properties.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "fake_platform.h"

class FormTest : public ::testing::Test {
protected:
    // The window is made on first use, so that a test can set the machine up first.
    app::TForm1& form1() {
        if (!form1_) form1_ = std::make_unique<app::TForm1>(machine);
        return *form1_;
    }
    ui::Form& form() { return form1().form(); }
    // Creation, then the drive box's first selection, as when the window is first shown.
    void start(char currentDrive = 'c') {
        form().dispatch([&] { form1().FormCreate(); });
        form().dispatch([&] { control<ui::DriveBox>(ids::DriveComboBox1).select(currentDrive); });
    }
    template <class T = ui::Control>
    T& control(int id) {
        return form().get<T>(id);
    }
    std::string text(int id) { return control(id).text(); }
    present::Colour fontColour(int id) { return control(id).fontColour(); }
    bool visible(int id) { return control(id).visible(); }
    ui::Gauge& gauge(int id) { return control<ui::Gauge>(id); }
    void showPage(int id) {
        form().dispatch([&] {
            control<ui::PageControl>(ids::PageControl1).setActivePage(control<ui::TabPage>(id));
        });
    }
    ui::Timer& timer(int id) {
        for (const auto& t : form().timers()) {
            if (t->id() == id) return *t;
        }
        throw std::logic_error("no such timer");
    }

    fake::Platform machine;

private:
    std::unique_ptr<app::TForm1> form1_;
};
