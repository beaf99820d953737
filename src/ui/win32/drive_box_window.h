// The drive box: an owner-drawn drop-down list of the logical drives.
#pragma once

#include "ui/drive_box.h"
#include "ui/win32/control_window.h"

namespace ui::win32 {

class DriveBoxWindow : public ControlWindow {
public:
    DriveBoxWindow(WindowSystem& system, DriveBox& box);
    void update(Property property) override;
    // The box's first showing, when the page lists the drives.
    void firstShow() override;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The list is the model's: only we fill it. A selection another program
    // sets counts as the user's, where the user could make one.
    bool refuses(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void fillList();
    void drawItem(const DRAWITEMSTRUCT& item);
    void selectionMade();

    DriveBox& box_;
    bool changePending_ = false;
    bool ownChange_ = false;  // the list or the selection is being set to the model's
};

}  // namespace ui::win32
