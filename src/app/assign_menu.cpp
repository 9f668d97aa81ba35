#include "app/assign_choice.h"
#include "app/main_window.h"
#include "app/main_window_globals.h"
#include "app/main_window_layout.h"
#include "macro/assignment_results.h"
#include "macro/macro_dialog.h"
#include "macro/single_dialog.h"
#include "model/device_records.h"
#include "model/macro_encoding.h"
#include "resource.h"
#include "skin/ex_menu.h"
#include "storage/macro_file_encoding.h"
#include "text/function_catalogues.h"
#include "text/program_language.h"
#include "text/text_table.h"

int g_nSelButton = -1;

namespace {

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

constexpr int kClickRuleText = 523;
constexpr int kAttentionText = 578;

constexpr int kMenuWidth = 120;
constexpr int kDpiMenuWidth = 50;
constexpr int kMediaMenuWidth = 100;
constexpr int kShortcutMenuWidth = 100;
constexpr int kWindowsMenuWidth = 120;
// The menu opens this far right of its box.
constexpr int kMenuGap = 5;

template <size_t N> void AppendRun(CExMenu& menu, UINT firstId, const std::array<CString, N>& names, int width)
{
    for (size_t k = 0; k < N; ++k)
        menu.AppendMenu(firstId + static_cast<UINT>(k), names[k]);
    menu.m_nMenuWidth = width;
}

}  // namespace

void CMouseConfigurationDlg::RefreshButtonLabels()
{
    for (int i = 0; i < kAssignBoxCount; ++i) {
        CBitmapBtn& box = m_btnAssign[static_cast<size_t>(i)];
        box.SetCaption(m_strItem[static_cast<size_t>(i)]);
        box.RedrawWindow(nullptr, nullptr, kRedrawNow);
    }
}

void CMouseConfigurationDlg::SetButtonCaption(int i)
{
    if (i >= 0 && i < kAssignBoxCount)
        m_strItem[static_cast<size_t>(i)] = m_btnAssign[static_cast<size_t>(i)].GetCaption();
}

void CMouseConfigurationDlg::HighlightButton(int n)
{
    for (CBitmapBtn& box : m_btnAssign) {
        if (box.checked) {
            box.checked = 0;
            box.Invalidate(TRUE);
        }
    }
    if (n >= 0 && n < kAssignBoxCount) {
        CBitmapBtn& box = m_btnAssign[static_cast<size_t>(n)];
        box.checked = 1;
        box.Invalidate(TRUE);
    }
}

void CMouseConfigurationDlg::ClearButtonHighlight()
{
    HighlightButton(-1);
    g_nSelButton = -1;
    InvalidateRect(&kMousePictureArea, TRUE);
}

void CMouseConfigurationDlg::ShowAssignMenu(int i)
{
    if (i < 0 || i >= kAssignBoxCount)
        return;
    CBitmapBtn& box = m_btnAssign[static_cast<size_t>(i)];
    const auto dropHighlight = [&] {
        g_nSelButton = -1;
        InvalidateRect(&kMousePictureArea, TRUE);
        if (box.checked) {
            box.checked = 0;
            box.Invalidate(TRUE);
        }
    };

    // One button always stays Click.
    if (IsLastClickButton(g_Settings, i)) {
        MessageBox(g_TextTable.Get(kClickRuleText), g_TextTable.Get(kAttentionText), MB_OK);
        dropHighlight();
        return;
    }

    RECT boxRect{};
    box.GetWindowRect(&boxRect);

    const CString& language = ProgramLanguage();
    CExMenu menu(&m_font);
    CExMenu dpi(&m_font);
    CExMenu media(&m_font);
    CExMenu shortcuts(&m_font);
    CExMenu windows(&m_font);
    for (CExMenu* popup : {&menu, &dpi, &media, &shortcuts, &windows})
        popup->CreatePopupMenu();

    menu.AppendMenu(ID_ASSIGN_CLICK, g_TextTable.Get(498));
    menu.AppendMenu(ID_ASSIGN_MENU, g_TextTable.Get(499));
    menu.AppendMenu(ID_ASSIGN_SCROLL, g_TextTable.Get(500));
    menu.AppendMenu(ID_ASSIGN_FORWARD, g_TextTable.Get(501));
    menu.AppendMenu(ID_ASSIGN_BACK, g_TextTable.Get(502));
    menu.AppendMenu(ID_ASSIGN_DOUBLE_CLICK, g_TextTable.Get(519));
    menu.AppendMenu(ID_ASSIGN_FN, L"Fn");
    menu.AppendMenu(ID_ASSIGN_SNIPE, g_TextTable.Get(514));
    AppendRun(dpi, ID_ASSIGN_DPI_FIRST, g_strDpiActions, kDpiMenuWidth);
    menu.AppendMenu(0, g_TextTable.Get(504), dpi.m_hMenu);
    AppendRun(media, ID_ASSIGN_MEDIA_FIRST, MediaNamesFor(language), kMediaMenuWidth);
    menu.AppendMenu(0, g_TextTable.Get(509), media.m_hMenu);
    AppendRun(shortcuts, ID_ASSIGN_SHORTCUT_FIRST, ShortcutNamesFor(language), kShortcutMenuWidth);
    menu.AppendMenu(0, g_TextTable.Get(510), shortcuts.m_hMenu);
    AppendRun(windows, ID_ASSIGN_WINDOWS_FIRST, WindowsFuncNamesFor(language), kWindowsMenuWidth);
    menu.AppendMenu(0, g_TextTable.Get(508), windows.m_hMenu);
    menu.AppendMenu(ID_ASSIGN_SINGLE_KEY, g_TextTable.Get(512));
    menu.AppendMenu(ID_ASSIGN_MACRO, g_TextTable.Get(515));
    menu.AppendMenu(ID_ASSIGN_DEACTIVATED, g_TextTable.Get(516));
    menu.m_nMenuWidth = kMenuWidth;

    // The chosen item's command arrives from the queue afterwards.
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, boxRect.right + kMenuGap, boxRect.top, this);

    PostMessage(WM_NULL, 0, 0);
    // The main menu takes its submenus with it.
    for (CExMenu* popup : {&dpi, &media, &shortcuts, &windows})
        popup->Detach();
    menu.DestroyMenu();
    SetFocus();

    dropHighlight();
    m_nMenuButton = i;
}

void CMouseConfigurationDlg::OnAssignCommand(UINT id)
{
    // Commands come after a shown menu; without one there is no button to change.
    const int i = m_nMenuButton;
    if (i < 0 || i >= kAssignBoxCount)
        return;
    std::optional<CString> caption;
    if (id == ID_ASSIGN_SINGLE_KEY)
        caption = RunSingleKeyDialog(i);
    else if (id == ID_ASSIGN_MACRO)
        caption = RunMacroDialog(i);
    else
        caption = ApplyMenuChoice(g_Settings, i, id, ProgramLanguage());
    if (!caption)
        return;
    CBitmapBtn& box = m_btnAssign[static_cast<size_t>(i)];
    box.SetCaption(*caption);
    box.RedrawWindow(nullptr, nullptr, kRedrawNow);
    SetButtonCaption(i);
}

std::optional<CString> CMouseConfigurationDlg::RunSingleKeyDialog(int i)
{
    CSingleDialog dialog;
    dialog.m_strKeyName = PresetKeyName(g_Settings, i);
    const INT_PTR result = dialog.DoModal();
    return ApplySingleKeyResult(g_Settings, i, result, dialog.m_strKeyName);
}

std::optional<CString> CMouseConfigurationDlg::RunMacroDialog(int i)
{
    CMacroDialog dialog;
    dialog.m_strRecordIni = RecordIniPath();
    const INT_PTR result = dialog.DoModal();
    std::optional<CString> caption =
        ApplyMacroResult(g_Settings, i, result, dialog.m_nSelMacro, dialog.m_nRepeatMode, dialog.m_strMacroName);
    // The button plays the device macro in the slot of its index. A record
    // loaded by a profile switch or an import holds the slots of its file,
    // which may predate the macro picked: that slot takes the macro as
    // record.ini holds it now, as a start of the program would encode it.
    if (caption && dialog.m_nSelMacro < kMacroSlotCount)
        EncodeMacroFromIni(dialog.m_strRecordIni, kProfileMacroEncoding, dialog.m_nSelMacro,
                           MacroRecordBytes(g_Settings, dialog.m_nSelMacro));
    return caption;
}
