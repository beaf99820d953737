// Gauge properties.
#include "ui/gauge.h"

namespace ui {

Gauge::Gauge(Form& form, const ControlSpec& spec, Control* parent)
    : Control(form, spec, parent),
      kind_(spec.gauge.kind),
      range_(spec.gauge.range),
      fore_(spec.gauge.fore),
      back_(spec.gauge.back),
      singleBorder_(spec.gauge.singleBorder),
      showText_(spec.gauge.showText) {}

void Gauge::setProgress(int progress) {
    int clamped = present::clampProgress(progress, range_);
    if (clamped == progress_) return;
    int before = share();
    progress_ = clamped;
    if (share() != before) notify(Property::Progress);
}

void Gauge::setForeColour(present::Colour colour) {
    if (colour == fore_) return;
    fore_ = colour;
    notify(Property::GaugeLook);
}

void Gauge::setBackColour(present::Colour colour) {
    if (colour == back_) return;
    back_ = colour;
    notify(Property::GaugeLook);
}

void Gauge::setShowText(bool show) {
    if (show == showText_) return;
    showText_ = show;
    notify(Property::GaugeLook);
}

}  // namespace ui
