// The used share on the disk and memory pages.
#include "pages/usage_display.h"

#include "present/colours.h"
#include "present/percent.h"

namespace pages {

void showUsage(const UsageControls& c, const UsageFigures& figures) {
    namespace colours = present::colours;
    c.totalCaption.show();
    c.usedCaption.show();
    c.freeCaption.show();
    c.shareCaption.show();
    c.share.show();

    c.total.setFontColour(colours::yellow);
    c.used.setFontColour(colours::red);
    c.free.setFontColour(colours::lime);

    c.share.setFontColour(present::usageColour(figures.percent));
    c.pie.setForeColour(colours::red);
    c.pie.setBackColour(colours::lime);
    c.pie.setProgress(figures.percent);
    c.share.setText(present::percentText(figures.percent));

    c.total.setText(figures.total);
    c.used.setText(figures.used);
    c.free.setText(figures.free);
}

}  // namespace pages
