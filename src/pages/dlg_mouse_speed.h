#pragma once
// The pointer speed page of the settings panel: the speed dial over
// PointerSpeed of g_Settings.

#include "pages/speed_dial_page.h"

class CDlgMouseSpeed : public CSpeedDialPage {
public:
    CDlgMouseSpeed();
};
