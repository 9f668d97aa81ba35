#include "app/config_dialog.h"
#include "app/hot_spots.h"
#include "app/main_window.h"
#include "app/main_window_globals.h"
#include "app/shell_open.h"
#include "device/hid_link.h"
#include "device/single_commands.h"
#include "messages.h"
#include "model/device_records.h"
#include "model/settings_record.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/lb_editor_wnd.h"
#include "skin/png_cache.h"
#include "storage/data_paths.h"
#include "storage/profile_exchange.h"
#include "storage/profile_list.h"
#include "text/text_table.h"

#include <memory>
#include <utility>

int g_bProfileImported = 0;

namespace {

enum ProfileCommand : WPARAM { kImportProfile = 0, kExportProfile = 1, kListClosed = 2 };

constexpr int kWebPageText = 524;
constexpr COLORREF kLabelColour = RGB(255, 255, 255);
constexpr int kOpen = 0;

bool IsInPlaceEditor(HWND window)
{
    return dynamic_cast<CLBEditorWnd*>(CWnd::FromHandlePermanent(window)) != nullptr;
}

}  // namespace

LRESULT CMouseConfigurationDlg::OnProfileCommand(WPARAM wParam, LPARAM lParam)
{
    const int index = static_cast<int>(lParam);
    if (wParam == kImportProfile)
        OnImportProfile(index);
    else if (wParam == kExportProfile)
        OnExportProfile();
    else if (wParam == kListClosed)
        OnProfileListClosed(index);
    return 0;
}

int CMouseConfigurationDlg::ListedProfileCount()
{
    m_profiles.RefreshModulePath();
    return static_cast<int>(ReadProfileList(DataFilePath(m_strModulePath, L"str.ini")).items.size());
}

void CMouseConfigurationDlg::OnImportProfile(int index)
{
    // Only a record really read in makes the list's close keep it.
    const bool imported = ImportProfile(m_profiles, this);
    if (imported) {
        g_bProfileImported = 1;
        // The imported record belongs to the profile it was loaded for, which
        // may be a name added since the list opened and not saved yet.
        const int count = g_pConfigDlg ? g_pConfigDlg->GetProfileCount() : ListedProfileCount();
        if (index >= 0 && index < count) {
            g_nCurProfile = static_cast<uint8_t>(index);
            if (g_pConfigDlg)
                g_pConfigDlg->SetCurrentProfileHeld();
        }
    }
    SyncSliders();
    InitPanels();
    SyncSliders();
    m_dlgPanel.CollapseAllSections();
    m_dlgPanel.RefreshAllPages();
    RefreshButtonLabels();
    // Cancel returns to the imported record and its captions, never to a
    // mix of them and the profile shown before.
    if (imported)
        TakeSavedState();
}

void CMouseConfigurationDlg::OnExportProfile()
{
    // The record stays as it is, unsaved edits included: the export wrote
    // what the window shows.
    ExportProfile(m_profiles, this);
    RefreshButtonLabels();
}

void CMouseConfigurationDlg::OnProfileListClosed(int index)
{
    // The profile whose settings this window holds, in the list as saved.
    const int held = g_pConfigDlg ? g_pConfigDlg->GetProfileHeldAtClose() : g_nProfileChosen;
    const bool imported = std::exchange(g_bProfileImported, 0) != 0;
    const bool listed = index >= 0 && index < ListedProfileCount();
    if (!listed || index == held || (imported && held >= 0)) {
        KeepProfileCurrent(held);
        CloseProfileList();
        return;
    }
    SwitchToProfile(index);
}

void CMouseConfigurationDlg::KeepProfileCurrent(int held)
{
    // The list made its selection current when it closed; without a switch
    // the current profile stays the one whose settings are shown, so that a
    // Save writes them into their own profile's files.
    if (held < 0 || held >= kProfileCount || held == g_nCurProfile)
        return;
    g_nCurProfile = static_cast<uint8_t>(held);
    NameHeldProfileCurrent();
}

void CMouseConfigurationDlg::NameHeldProfileCurrent()
{
    m_profiles.RefreshModulePath();
    const CString strIni = DataFilePath(m_strModulePath, L"str.ini");
    const ProfileList list = ReadProfileList(strIni);
    if (g_nCurProfile < list.items.size())
        WriteProfileList(strIni, list.items, g_nCurProfile);
}

void CMouseConfigurationDlg::SwitchToProfile(int index)
{
    g_nProfileChosen = index;
    g_nCurProfile = static_cast<uint8_t>(index);
    g_Settings.ProfileIndex = LOBYTE(index);
    DeviceCommand select;
    select.Code = kCmdSelectProfile;
    select.Arg1 = g_DevImage.DeviceProfile;
    SendCommand(select);
    m_profiles.LoadProfile(index);
    m_profiles.ReadStrIni();
    SyncSliders();
    InitPanels();
    RefreshButtonLabels();
    // Cancel now returns to the new profile as its files hold it.
    TakeSavedState();

    // The panels are folded: the boxes stay hidden.
    CloseProfileList();
    m_dlgPanel.CollapseAllSections();
    m_dlgPanel.RefreshAllPages();
}

void CMouseConfigurationDlg::DestroyProfileList()
{
    // An import holds only for the opening of the list it came from: closed
    // any other way (Restore), the next opening's close switches again.
    g_bProfileImported = 0;
    // The list window goes with its object.
    std::unique_ptr<CConfigDialog>(std::exchange(g_pConfigDlg, nullptr)).reset();
}

void CMouseConfigurationDlg::CloseProfileList()
{
    if (!g_pConfigDlg)
        return;
    DestroyProfileList();
    ShowSideItems(SW_SHOW);
    if (m_nButtonPanelState != kOpen)
        return;
    LockWindowUpdate();
    for (CBitmapBtn& box : m_btnAssign)
        box.ShowWindow(SW_SHOW);
    RefreshButtonLabels();
    UnlockWindowUpdate();
}

void CMouseConfigurationDlg::OnBnClickedWebSite()
{
    OpenWithShell(g_TextTable.Get(kWebPageText));
}

void CMouseConfigurationDlg::LoadMousePictureImages(CDC* dc, BYTE n)
{
    // Ready for the labels the painting draws next.
    dc->SetBkMode(TRANSPARENT);
    dc->SelectObject(&m_font);
    dc->SetTextColor(kLabelColour);
    if (g_nCurPage != 1 && g_nCurPage != 2)
        return;
    const HotSpotDrawList order = HotSpotDrawOrder(HotSpotOfBox(static_cast<int>(n) - 1));
    for (int i = 0; i < order.count; ++i) {
        const HotSpotDraw& spot = order.items[static_cast<size_t>(i)];
        const POINT place = HotSpotPlace(g_nCurPage, spot.k);
        // A missing picture draws nothing.
        DrawCachedPngWithAlpha(dc, SkinPath(HotSpotPicture(g_nCurPage, spot.k, spot.over)), place.x, place.y);
    }
}

HBRUSH CMouseConfigurationDlg::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    const HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (kind == CTLCOLOR_BTN)
        dc->SetBkMode(TRANSPARENT);
    return brush;
}

BOOL CMouseConfigurationDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_PANEL_CLICK) {
        ClearButtonHighlight();
        return CDialog::PreTranslateMessage(msg);
    }
    const bool mine = msg->hwnd == m_hWnd || (m_hWnd && ::IsChild(m_hWnd, msg->hwnd));
    if (mine && IsSwallowedDialogKey(*msg)) {
        // An in-place editor commits on Enter, cancels on Esc and takes a
        // blank; it gets them directly, past the dialog manager.
        if (IsInPlaceEditor(msg->hwnd)) {
            ::TranslateMessage(msg);
            ::DispatchMessageW(msg);
        }
        // No key closes, confirms or asks for help in the main window.
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}
