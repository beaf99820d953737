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
    // Raises the timer event.
    void fire() {
        if (onTimer) onTimer();
    }
    // What the back end calls when a timer message arrives: it counts only
    // while the timer is enabled, so that a late message after disabling, or
    // one another program posts, starts nothing.
    void elapsed() {
        if (enabled_) fire();
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
