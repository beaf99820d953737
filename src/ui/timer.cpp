// Timer switching.
#include "ui/timer.h"

namespace ui {

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (peer_) peer_->update();
}

}  // namespace ui
