// The gauge: a share from 0 to 100 drawn as a pie or a horizontal bar.
#pragma once

#include "present/gauge_rules.h"
#include "ui/control.h"

namespace ui {

class Gauge : public Control {
public:
    Gauge(Form& form, const ControlSpec& spec, Control* parent);

    present::GaugeKind gaugeKind() const { return kind_; }
    present::GaugeRange range() const { return range_; }
    int progress() const { return progress_; }
    int share() const { return present::shareShown(progress_, range_); }
    present::Colour foreColour() const { return fore_; }
    present::Colour backColour() const { return back_; }
    bool singleBorder() const { return singleBorder_; }
    bool showText() const { return showText_; }

    // Each setter stores its value and repaints only when what is shown changes.
    void setProgress(int progress);
    void setForeColour(present::Colour colour);
    void setBackColour(present::Colour colour);
    void setShowText(bool show);

private:
    present::GaugeKind kind_;
    present::GaugeRange range_;
    int progress_ = 0;
    present::Colour fore_;
    present::Colour back_;
    bool singleBorder_;
    bool showText_;
};

}  // namespace ui
