#pragma once

#include "model/DrawObj.h"
#include "view/ViewSwitches.h"

namespace korvo::test {

// Sets the process-wide switches for one test and puts every one of them back when it goes out of
// scope, so no test leaks a switch into the next, whatever it sets and however it ends.
class ScopedSwitches {
public:
    ScopedSwitches() = default;
    ScopedSwitches(const ScopedSwitches&) = delete;
    ScopedSwitches& operator=(const ScopedSwitches&) = delete;
    ~ScopedSwitches() {
        g_nSnapMode = snapMode_;
        g_bTrackers = trackers_;
        g_bStyledDrawing = styledDrawing_;
        g_nGridCmd = gridCmd_;
        g_bSnapToGrid = snapToGrid_;
        g_bZoomAboutPointer = zoomAboutPointer_;
    }

    ScopedSwitches& SnapMode(int mode) {
        g_nSnapMode = mode;
        return *this;
    }
    ScopedSwitches& Trackers(bool on) {
        g_bTrackers = on;
        return *this;
    }
    ScopedSwitches& StyledDrawing(bool on) {
        g_bStyledDrawing = on;
        return *this;
    }

private:
    const int snapMode_ = g_nSnapMode;
    const bool trackers_ = g_bTrackers;
    const bool styledDrawing_ = g_bStyledDrawing;
    const int gridCmd_ = g_nGridCmd;
    const bool snapToGrid_ = g_bSnapToGrid;
    const bool zoomAboutPointer_ = g_bZoomAboutPointer;
};

}  // namespace korvo::test
