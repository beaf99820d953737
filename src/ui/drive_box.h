// The drive box: a drop-down list of the logical drives.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class DriveBox : public Control {
public:
    using Control::Control;

    // One entry of the list: the drive it chooses and the text it shows.
    struct Item {
        char drive;
        std::string text;
        bool operator==(const Item&) const = default;
    };

    // The selected drive's lower-case letter, or 0 for no drive.
    char drive() const { return drive_; }
    const std::vector<Item>& items() const { return items_; }

    void setItems(std::vector<Item> items);
    // A selection, by the user or when the box is first created: always raises
    // the change event, also for the drive already selected.
    void select(char drive);
    // The entry at an index of the list was chosen; one past the list chooses no drive.
    void choose(std::size_t index);

    // Raised once, as the box is first shown: the page lists the drives and
    // makes the first selection then.
    Handler onFirstShow;

private:
    char drive_ = 0;
    std::vector<Item> items_;
};

}  // namespace ui
