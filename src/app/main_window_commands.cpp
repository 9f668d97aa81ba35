#include "app/app.h"
#include "app/config_dialog.h"
#include "app/main_window.h"
#include "app/main_window_globals.h"
#include "app/main_window_layout.h"
#include "app/save_failure.h"
#include "classlib/win_app.h"
#include "device/hid_link.h"
#include "device/profile_upload.h"
#include "macro/macro_manager_result.h"
#include "model/settings_record.h"
#include "resource.h"
#include "skin/ex_menu.h"
#include "storage/stored_profile_edit.h"
#include "storage/whole_file.h"
#include "storage/windows_settings.h"
#include "text/text_table.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

int g_nCurPage = 0;
CConfigDialog* g_pConfigDlg = nullptr;
int g_nProfileChosen = 0;
RECT g_rcSliderX = {};
RECT g_rcSliderY = {};

namespace {

constexpr int kRestoreQuestionText = 577;
constexpr int kAttentionText = 578;
constexpr int kHelpPageText = 524;
constexpr wchar_t kVersionItem[] = L"Version:1.3";
constexpr int kHelpMenuWidth = 120;

// Content size of the settings panel with every section folded.
constexpr int kPanelContentWidth = 230;
constexpr int kPanelContentHeight = 563;

constexpr int kFolded = 1;
constexpr int kOpen = 0;

bool Is(const CWnd& button, HWND from)
{
    return button.m_hWnd && button.m_hWnd == from;
}

}  // namespace

BOOL CMouseConfigurationDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Every skinned button has id 0: only the sending window tells them apart.
    const auto from = reinterpret_cast<HWND>(lParam);
    if (Is(m_btnSave, from)) {
        OnSave();
    } else if (Is(m_btnCancel, from)) {
        OnCancelChanges();
    } else if (Is(m_btnRestore, from)) {
        OnRestore();
    } else if (Is(m_btnMinimize, from)) {
        ClearButtonHighlight();
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else if (Is(m_btnClose, from)) {
        // The record keeps its unsaved edits.
        ClearButtonHighlight();
        HideToNotificationArea();
    } else if (Is(m_btnHelp, from)) {
        ShowHelpMenu();
    } else if (Is(m_btnFront, from)) {
        SwitchPage(1);
    } else if (Is(m_btnSide, from)) {
        SwitchPage(2);
    } else if (Is(m_btnButtonAssign, from)) {
        ClearButtonHighlight();
        SetButtonPanelState(m_nButtonPanelState == kOpen ? kFolded : kOpen);
    } else if (Is(m_btnMacroManager, from)) {
        RunMacroManager();
    } else if (Is(m_btnAxisSetting, from)) {
        ClearButtonHighlight();
        SetSecondPanelState(m_nAxisPanelState == kOpen ? kFolded : kOpen);
    } else if (Is(m_btnConfig, from)) {
        OpenProfileList();
    } else {
        for (int i = 0; i < kAssignBoxCount; ++i)
            if (Is(m_btnAssign[static_cast<size_t>(i)], from))
                OnAssignBox(i);
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CMouseConfigurationDlg::OnAssignBox(int i)
{
    HighlightButton(i);
    g_nSelButton = i;
    InvalidateRect(&kMousePictureArea, TRUE);
    ShowAssignMenu(i);
}

// --- Saved state ---

void CMouseConfigurationDlg::TakeSavedState()
{
    g_SettingsSaved = g_Settings;
    std::copy_n(m_strItem.begin(), kAssignBoxCount, m_strSavedItem.begin());
}

void CMouseConfigurationDlg::RestoreSavedState()
{
    g_Settings = g_SettingsSaved;
    std::copy(m_strSavedItem.begin(), m_strSavedItem.end(), m_strItem.begin());
    RefreshButtonLabels();
}

// --- Save, Cancel, Restore ---

void CMouseConfigurationDlg::OnSave()
{
    ClearButtonHighlight();
    BeginWaitCursor();
    m_btnSave.EnableWindow(FALSE);
    DWORD error = ERROR_SUCCESS;
    bool written = true;
    if (g_bDeviceOpen) {
        ApplyAllToDevice(m_profiles);
        // The captions go to disk only with their record.
        written = m_profiles.SaveProfileAndCaptions(&error);
        // Only a record that is in its file is the saved one: otherwise
        // Cancel would return to settings that were never kept.
        if (written)
            TakeSavedState();
        ApplyWindowsSettings();
    }
    m_btnSave.EnableWindow(TRUE);
    EndWaitCursor();
    if (!written)
        MessageBox(SaveFailureText(m_strConfigPath, error), kMainWindowTitle, MB_OK | MB_ICONERROR);
}

void CMouseConfigurationDlg::OnCancelChanges()
{
    ClearButtonHighlight();
    RestoreSavedState();
    HideToNotificationArea();
}

void CMouseConfigurationDlg::HideToNotificationArea()
{
    ShowWindow(SW_HIDE);
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
}

bool CMouseConfigurationDlg::OnRestore()
{
    if (MessageBox(g_TextTable.Get(kRestoreQuestionText), g_TextTable.Get(kAttentionText), MB_OKCANCEL) != IDOK)
        return false;
    BeginWaitCursor();
    ClearButtonHighlight();
    DWORD error = ERROR_SUCCESS;
    const bool saved = RestoreDefaults(m_profiles, &error);

    SetButtonPanelState(kFolded);
    SetSecondPanelState(kFolded);
    m_sliderX.SetPos(g_Settings.SensitivityX);
    m_sliderY.SetPos(g_Settings.SensitivityY);
    m_dlgPanel.CollapseAllSections();
    m_dlgPanel.RefreshAllPages();
    SwitchPage(1);

    // An import in the list made the profile it went to the one the window
    // holds, and the restore was saved into that profile's files: the next
    // start must find it current, though the list goes without its close.
    if (g_pConfigDlg && g_bProfileImported)
        NameHeldProfileCurrent();
    // The boxes stay hidden: their panel is folded now.
    CloseProfileList();

    SyncSliders();
    RefreshButtonLabels();
    for (int i = 0; i < kAssignBoxCount; ++i)
        SetButtonCaption(i);
    // A restore whose profile file was not written leaves the caption file
    // and the saved state as they were, and says so as a failed Save does.
    if (saved) {
        m_profiles.WriteStrIni();
        // With the mouse present the restore saved the record; its captions go with it.
        if (g_bDeviceOpen)
            TakeSavedState();
    }
    EndWaitCursor();
    if (!saved)
        MessageBox(SaveFailureText(m_strConfigPath, error), kMainWindowTitle, MB_OK | MB_ICONERROR);
    return true;
}

// --- Help menu, profile list, macro manager ---

void CMouseConfigurationDlg::ShowHelpMenu()
{
    ClearButtonHighlight();
    SetForegroundWindow();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    CExMenu menu(&m_font);
    menu.CreatePopupMenu();
    menu.AppendMenu(ID_HELP_WEBSITE, g_TextTable.Get(kHelpPageText));
    menu.AppendMenu(ID_HELP_VERSION, kVersionItem);
    menu.m_nMenuWidth = kHelpMenuWidth;
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
    menu.DestroyMenu();
}

bool CMouseConfigurationDlg::OpenProfileList()
{
    ClearButtonHighlight();
    if (g_pConfigDlg)
        return false;
    auto list = std::make_unique<CConfigDialog>(m_profiles);
    // Without its picture the list makes no window; the side column stays.
    if (!list->Create(IDD_PROFILE_LIST, this))
        return true;
    g_pConfigDlg = list.release();
    g_pConfigDlg->ShowWindow(SW_SHOW);
    g_pConfigDlg->SetForegroundWindow();
    ShowSideItems(SW_HIDE);
    g_nProfileChosen = g_pConfigDlg->GetSelectedProfile();
    if (m_nButtonPanelState == kOpen)
        ShowAssignBoxes(SW_HIDE);
    return true;
}

CString CMouseConfigurationDlg::RecordIniPath() const
{
    if (auto* app = dynamic_cast<CMouseConfigurationApp*>(AfxGetApp()); app && !app->m_strRecordIni.IsEmpty())
        return app->m_strRecordIni;
    return m_profiles.m_strRecordIni;
}

void CMouseConfigurationDlg::RunMacroManager()
{
    ClearButtonHighlight();
    m_dlgMacroManager.m_strRecordIni = RecordIniPath();
    const std::optional<FileContent> macrosBefore = ReadWholeFile(m_dlgMacroManager.m_strRecordIni);
    const bool ok = m_dlgMacroManager.DoModal() == IDOK;
    // Nothing is sent: the macros reach the mouse with the next Save.
    if (ok)
        CopyMacroRecordsToSlots(g_Settings, m_dlgMacroManager.m_MacroRecords);
    // The manager wrote every edit to record.ini at once, whichever way it
    // was closed: deletes and renames move the buttons' numbers and captions,
    // and any edit (a loop count, a recorded key) makes every slot that
    // holds the macro as it was out of date.
    const MacroListChange change = m_dlgMacroManager.m_store.ListChange();
    if (MovesOrRenamesMacros(change) || ReadWholeFile(m_dlgMacroManager.m_strRecordIni) != macrosBefore) {
        // After Cancel the slots still hold the macros as they were listed;
        // they are taken from record.ini as loading the profile takes them.
        if (!ok)
            m_profiles.LoadMacrosFromIni();
        FollowMacrosInEveryProfile(change);
    }
    RefreshButtonLabels();
}

void CMouseConfigurationDlg::FollowMacrosInEveryProfile(const MacroListChange& change)
{
    // Every profile gets the current profile's macro slots, so that a
    // button's number names the same macro in each of them.
    const MacroButtonTexts texts = CurrentMacroButtonTexts();
    const auto follow = [&](SettingsRecord& record, std::span<CString, kAssignBoxCount> captions) {
        FollowMacroListChange(change, texts, record, captions);
        record.MacroSlot = g_Settings.MacroSlot;
    };
    follow(g_Settings, std::span(m_strItem).first<kAssignBoxCount>());
    // Cancel of the main window returns to the saved record: it follows too.
    follow(g_SettingsSaved, m_strSavedItem);

    const int listed = ListedProfileCount();
    for (int n = 0; n < kProfileCount; ++n)
        if (n < listed || n == g_nCurProfile)
            EditStoredProfile(m_profiles.ProfileFileOf(n), m_profiles.CaptionFileOf(n), follow);
}

// --- Pages and side column ---

void CMouseConfigurationDlg::SwitchPage(int page)
{
    ClearButtonHighlight();
    const auto check = [](CBitmapBtn& button, int checked) {
        if (button.checked == checked)
            return;
        button.checked = checked;
        button.Invalidate(TRUE);
    };
    if (page == 1 || page == 2) {
        check(m_btnFront, page == 1 ? 1 : 0);
        check(m_btnSide, page == 2 ? 1 : 0);
    }
    g_nCurPage = page;
    InvalidateRect(&kMousePictureArea, TRUE);
}

void CMouseConfigurationDlg::InitPanels()
{
    m_dlgPanel.m_nContentWidth = kPanelContentWidth;
    m_dlgPanel.m_nContentHeight = kPanelContentHeight;
    m_dlgPanel.UpdateScrollRange();
    m_nButtonPanelState = kFolded;
    SetButtonPanelState(kFolded);
    m_nAxisPanelState = kFolded;
    SetSecondPanelState(kFolded);
}

void CMouseConfigurationDlg::SetButtonPanelState(int state)
{
    m_nButtonPanelState = state;
    if (state == kFolded || state == kOpen) {
        const bool open = state == kOpen;
        ShowAssignBoxes(open ? SW_SHOW : SW_HIDE);
        const SideColumnLayout layout = SideColumnFor(open, g_nButtonPanelHeight);
        m_btnMacroManager.MoveWindow(&layout.macroItem, TRUE);
        m_btnAxisSetting.MoveWindow(&layout.axisItem, TRUE);
        PlaceSliders(layout.sliderX, layout.sliderY);
    }
    InvalidateRect(&kSideColumn, TRUE);
}

void CMouseConfigurationDlg::SetSecondPanelState(int state)
{
    m_nAxisPanelState = state;
    if (state == kFolded) {
        m_sliderX.ShowWindow(SW_HIDE);
        m_sliderY.ShowWindow(SW_HIDE);
    } else if (state == kOpen) {
        const SideColumnLayout layout = SideColumnFor(m_nButtonPanelState == kOpen, g_nButtonPanelHeight);
        PlaceSliders(layout.sliderX, layout.sliderY);
        m_sliderX.ShowWindow(SW_SHOW);
        m_sliderY.ShowWindow(SW_SHOW);
    }
    InvalidateRect(&kSideColumn, TRUE);
}

void CMouseConfigurationDlg::PlaceSliders(const RECT& x, const RECT& y)
{
    for (auto [slider, place, rect] :
         {std::tuple{&m_sliderX, &g_rcSliderX, x}, std::tuple{&m_sliderY, &g_rcSliderY, y}}) {
        slider->MoveWindow(&rect, TRUE);
        *place = rect;
        slider->m_rect = rect;
    }
}

void CMouseConfigurationDlg::ShowSideItems(int command)
{
    m_btnButtonAssign.ShowWindow(command);
    m_btnMacroManager.ShowWindow(command);
    m_btnAxisSetting.ShowWindow(command);
}

void CMouseConfigurationDlg::ShowAssignBoxes(int command)
{
    for (CBitmapBtn& box : m_btnAssign)
        box.ShowWindow(command);
}

// --- Sensitivity sliders ---

LRESULT CMouseConfigurationDlg::OnMarkerPos(WPARAM wParam, LPARAM lParam)
{
    // The value reaches the mouse with the next Save.
    if (lParam == IDC_SLIDER_X)
        g_Settings.SensitivityX = LOBYTE(wParam);
    else if (lParam == IDC_SLIDER_Y)
        g_Settings.SensitivityY = LOBYTE(wParam);
    return 0;
}

void CMouseConfigurationDlg::SyncSliders()
{
    // A value outside the range shows the range's minimum.
    m_sliderX.SetPos(g_Settings.SensitivityX);
    m_sliderY.SetPos(g_Settings.SensitivityY);
}
