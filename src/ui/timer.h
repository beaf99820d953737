// A window timer: raises its event every interval while enabled.
#pragma once

#include "ui/control.h"
#include "ui/peer.h"

namespace ui {

class Timer {
public:
    Timer(int id, unsigned interval, bool enabled) : id_(id), interval_(interval), enabled_(enabled) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int id() const { return id_; }
    unsigned interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    // Enabling a running timer changes nothing: its pending delay is not restarted.
    void setEnabled(bool enabled);
    // What the back end calls when the interval has passed.
    void fire() {
        if (onTimer) onTimer();
    }

    Handler onTimer;
    void attach(TimerPeer* peer) { peer_ = peer; }

private:
    int id_;
    unsigned interval_;
    bool enabled_;
    TimerPeer* peer_ = nullptr;
};

}  // namespace ui
