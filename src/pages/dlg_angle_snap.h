#pragma once
// The angle snapping page of the settings panel: two marks, "ON" and "OFF",
// that set AngleSnapping of g_Settings at once. The class also makes the
// text font that the small pages share.

#include "pages/skinned_page.h"

class CDlgAngleSnap : public CSkinnedPage {
public:
    CDlgAngleSnap();

    // Creates the pages' text font into `font`: 13 pixels high, default
    // weight, Swiss family, "黑体" for the Chinese languages, else Arial.
    static void InitFont(CFont& font);

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_TABLE(CDlgAngleSnap, CSkinnedPage)
};
