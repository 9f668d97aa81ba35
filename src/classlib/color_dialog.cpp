#include "classlib/color_dialog.h"

#include "classlib/common_dialogs.h"
#include "classlib/scripted_dialogs.h"
#include "classlib/wnd.h"

namespace {

COLORREF g_customColors[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
};

}  // namespace

CColorDialog::CColorDialog(COLORREF initialColor, DWORD flags, CWnd* parent)
{
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.hwndOwner = parent ? parent->GetSafeHwnd() : nullptr;
    m_cc.rgbResult = initialColor;
    m_cc.lpCustColors = g_customColors;
    // Always start at the initial colour, black included.
    m_cc.Flags = flags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    const HWND given = m_cc.hwndOwner;
    if (!given)
        m_cc.hwndOwner = ::GetActiveWindow();

    INT_PTR result = IDCANCEL;
    if (auto scripted = ScriptedDialogs::TakeColorDialogAnswer(m_cc)) {
        if (*scripted) {
            m_cc.rgbResult = **scripted;
            result = IDOK;
        }
    } else if (RunColorDialog(m_cc)) {
        result = IDOK;
    }
    m_cc.hwndOwner = given;
    return result;
}
