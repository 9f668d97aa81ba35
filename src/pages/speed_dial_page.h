#pragma once
// The page design shared by the pointer-speed and double-click pages: a
// half-ring dial of eleven levels between the labels "Slow" and "Fast",
// showing and setting one level field of g_Settings.

#include "model/settings_record.h"
#include "pages/skinned_page.h"

class CSpeedDialPage : public CSkinnedPage {
public:
    using LevelField = uint8_t SettingsRecord::*;

    CSpeedDialPage(UINT templateId, LevelField field);

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    // Runs for every click on the ring, with its angle in degrees.
    virtual void OnRingClicked(double) {}

    DECLARE_MESSAGE_TABLE(CSpeedDialPage, CSkinnedPage)

private:
    LevelField m_field;
};
