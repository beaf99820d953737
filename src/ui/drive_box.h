// The drive box: a drop-down list of the logical drives.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class DriveBox : public Control {
public:
    using Control::Control;

    // The selected drive's lower-case letter, or 0 for no drive.
    char drive() const { return drive_; }
    // The entries, each beginning with its lower-case letter and a colon.
    const std::vector<std::string>& items() const { return items_; }

    void setItems(std::vector<std::string> items);
    // A selection, by the user or when the box is first created: always raises
    // the change event, also for the drive already selected.
    void select(char drive);

private:
    char drive_ = 0;
    std::vector<std::string> items_;
};

}  // namespace ui
