// Drive box selection.
#include "ui/drive_box.h"

#include <utility>

namespace ui {

void DriveBox::setItems(std::vector<Item> items) {
    items_ = std::move(items);
    notify(Property::Items);
}

void DriveBox::select(char drive) {
    if (drive >= 'A' && drive <= 'Z') drive = static_cast<char>(drive - 'A' + 'a');
    if (drive != drive_) {
        drive_ = drive;
        notify(Property::Items);
    }
    if (onChange) onChange();
}

void DriveBox::choose(std::size_t index) {
    select(index < items_.size() ? items_[index].drive : 0);
}

}  // namespace ui
