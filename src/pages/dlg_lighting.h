#pragma once
// The lighting page of the settings panel: zone A's effect (Standard,
// Respiration, Neon or Finger tapping) with a value per effect, zone B's
// effect with its values, whether zone B follows zone A, the level slider
// and the finger-tapping keys. Every change goes straight into g_Settings;
// g_LightingLinked and g_LightingIndependent keep the linked and the
// independent setup while the user switches between them.

#include "classlib/dialog.h"
#include "classlib/gdi.h"
#include "pages/lighting_rules.h"
#include "skin/marker.h"

#include <array>

class CDlgLighting : public CDialog {
public:
    CDlgLighting();
    ~CDlgLighting() override;

    // Shows the current g_Settings again after the record was replaced; both
    // kept setups start afresh from it.
    void RefreshFromSettings();

    void SelectZoneAEffect(int effect);
    void SelectZoneBEffect(int effect);
    void SetLinkMode(int mode);
    void SwapLightingSnapshot(int direction);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    CBitmap m_bkBitmap;
    CFont m_font;
    // Zone A effects 1..3, the level slider, zone B effects 1..3.
    std::array<CDMarker, 7> m_sliders;

protected:
    void CreateControls();
    // Puts the sliders' positions and enabled states on the windows and
    // invalidates the page.
    void ShowSliders();
    void SetLevelSlider();

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    LRESULT OnMarkerPos(WPARAM position, LPARAM id);

    DECLARE_MESSAGE_TABLE(CDlgLighting, CDialog)

private:
    CDMarker& SliderWindow(int index) { return m_sliders[static_cast<size_t>(index)]; }

    lighting::Sliders m_view;
};
