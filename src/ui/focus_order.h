// The keyboard's way round a window: Tab and Shift+Tab from tab stop to tab
// stop, Ctrl+Tab and Ctrl+Shift+Tab from page to page.
#pragma once

#include "ui/form.h"

namespace ui {

// The tab stop after the given control (before it, going backward) in the
// window's tab order: depth first, each parent's children by their tab order,
// round from the last to the first. A control that is no tab stop itself
// starts from its place in that order. While a panel that keeps Tab inside
// shows, only the tab stops on it count. None where no tab stop shows.
Control* nextTabStop(const Form& form, const Control* from, bool forward);

// The page after the one in front (before it, going backward), round the
// pages whose tabs show. None where no page is in front.
TabPage* nextPage(const PageControl& pages, bool forward);

}  // namespace ui
