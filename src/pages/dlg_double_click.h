#pragma once
// The double-click speed page of the settings panel: the speed dial over
// DoubleClickSpeed of g_Settings.

#include "pages/speed_dial_page.h"

class CDlgDoubleClick : public CSpeedDialPage {
public:
    CDlgDoubleClick();

protected:
    // Traces the angle of each click on the ring for the debugger.
    void OnRingClicked(double angle) override;
};
