#include "app/main_window.h"
#include "app/main_window_globals.h"
#include "app/tray_calls.h"
#include "app/tray_menu_holder.h"
#include "app/tray_texts.h"
#include "classlib/debug_output.h"
#include "classlib/win_app.h"
#include "device/hid_link.h"
#include "device/read_thread.h"
#include "device/single_commands.h"
#include "messages.h"
#include "resource.h"
#include "skin/ex_menu.h"
#include "text/text_table.h"

#include <dbt.h>

namespace {

constexpr UINT kTrayIconId = 128;
constexpr int kTipText = 6;
constexpr int kExitText = 546;
constexpr UINT kBalloonFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;

BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW& data)
{
    return CurrentTrayCalls().shellNotifyIcon(message, &data);
}

// The device-interface name of a device event, or null for any other kind.
const wchar_t* DeviceInterfaceName(DWORD_PTR data)
{
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return nullptr;
    return reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header)->dbcc_name;
}

}  // namespace

void CMouseConfigurationDlg::AddTrayIcon()
{
    // The record size of the shell's version-3 icon records: 952 bytes in a
    // 32-bit program, 968 in a 64-bit one.
    m_nid.cbSize = NOTIFYICONDATAW_V3_SIZE;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = kTrayIconId;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = WM_TRAYNOTIFY;
    m_nid.hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_PROGRAM));
    CopyBounded(m_nid.szTip, g_TextTable.Get(kTipText));
    NotifyIcon(NIM_ADD, m_nid);
}

LRESULT CMouseConfigurationDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam != kTrayIconId)
        return 1;
    if (lParam == WM_RBUTTONUP)
        ShowTrayMenu();
    else if (lParam == WM_LBUTTONDBLCLK && g_bDeviceOpen)
        ShowFromNotificationArea();
    return 0;
}

void CMouseConfigurationDlg::ShowTrayMenu()
{
    // The menu takes the keyboard, and closes at a click elsewhere, only
    // while a window of this thread is the foreground window.
    SetForegroundWindow();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // Hidden in the notification area, the window cannot hold the keyboard
    // everywhere (see CTrayMenuHolder); a shown pixel under the menu does.
    CTrayMenuHolder holder;
    if (!IsWindowVisible())
        holder.Open(cursor);
    CExMenu menu(&m_font);
    menu.CreatePopupMenu();
    // "Exit" ends the modal run as the dialog's cancel does; the window's
    // destruction then ends the process.
    menu.AppendMenu(IDCANCEL, g_TextTable.Get(kExitText));
    menu.TrackPopupMenu(0, cursor.x, cursor.y, this);
    // The system switches tasks only once the window handles a message after
    // the menu; without one the menu's next showing can close at once.
    PostMessage(WM_NULL);
    menu.DestroyMenu();
}

void CMouseConfigurationDlg::ShowFromNotificationArea()
{
    MoveWindow(0, 0, m_nWindowWidth, m_nWindowHeight);
    CenterWindow();
    SyncSliders();
    RefreshButtonLabels();
    SetButtonPanelState(1);
    RefreshButtonLabels();
    LockWindowUpdate();
    for (CBitmapBtn& box : m_btnAssign) {
        box.ShowWindow(SW_HIDE);
        RefreshButtonLabels();
    }
    UnlockWindowUpdate();
    SetSecondPanelState(1);
    SyncSliders();
    m_dlgPanel.CollapseAllSections();
    m_dlgPanel.RefreshAllPages();
    ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    ShowWindow(SW_SHOW);
    SetForegroundWindow();
}

CString CMouseConfigurationDlg::FormatDpiText(BYTE value)
{
    return DpiText(value);
}

LRESULT CMouseConfigurationDlg::OnDeviceNotify(WPARAM wParam, LPARAM lParam)
{
    if (IsDpiStageBalloon(wParam, lParam)) {
        // The mouse is read as it reports a stage; the balloon still shows
        // the stage of the last saved record.
        ReadCurrentProfile();
        TransferProfileBlock();
        m_nid.dwState = 2;
    }
    const std::optional<Balloon> balloon = BalloonForEvent(wParam, lParam, g_SettingsSaved);
    if (!balloon)
        return 0;
    CopyBounded(m_nid.szInfo, balloon->text);
    CopyBounded(m_nid.szInfoTitle, balloon->title);
    m_nid.uFlags = kBalloonFlags;
    m_nid.dwInfoFlags = NIIF_INFO;
    m_nid.uTimeout = balloon->timeoutMs;
    NotifyIcon(NIM_MODIFY, m_nid);
    return 0;
}

BOOL CMouseConfigurationDlg::OnDeviceChange(UINT event, DWORD_PTR data)
{
    const wchar_t* name = DeviceInterfaceName(data);
    if (event == DBT_DEVICEARRIVAL && IsArrivalDeviceName(name))
        OnMouseArrival();
    else if (event == DBT_DEVICEREMOVECOMPLETE && IsRemovalDeviceName(name))
        OnMouseRemoval();
    return TRUE;
}

void CMouseConfigurationDlg::OnMouseArrival()
{
    if (!FindDevice()) {
        OnMouseGone();
        return;
    }
    SendMessage(WM_DEVICE_NOTIFY, kEventDeviceFound, 0);
    g_bDeviceOpen = TRUE;
    g_DevImage = DeviceImage{};
    ReadCurrentProfile();
    g_Settings.ProfileIndex = g_DevImage.DeviceProfile;
    SetFunctionOption();
    m_profiles.LoadCurrentProfile();
    m_profiles.ReadStrIni();
    // A Cancel after the re-plug returns to what the files hold now.
    TakeSavedState();
    if (g_pReadThread)
        ResumeReadThread();
    NotifyIcon(NIM_ADD, m_nid);
}

void CMouseConfigurationDlg::OnMouseRemoval()
{
    if (FindDevice()) {
        // Another interface of the mouse is still there.
        g_bDeviceOpen = TRUE;
        NotifyIcon(NIM_ADD, m_nid);
        return;
    }
    DebugTrace(L"The system did not detect the gaming mouse.");
    OnMouseGone();
}

void CMouseConfigurationDlg::OnMouseGone()
{
    SendMessage(WM_DEVICE_NOTIFY, kEventDeviceLost, 0);
    ShowWindow(SW_HIDE);
    g_bDeviceOpen = FALSE;
    NotifyIcon(NIM_DELETE, m_nid);
}

void CMouseConfigurationDlg::OnNcPaint()
{
    if (g_bDeviceOpen) {
        CDialog::OnNcPaint();
        return;
    }
    // Without the mouse: the first two non-client paints hide the window,
    // so a start without the mouse shows neither window nor icon.
    if (m_nNcPaintHides > 0) {
        --m_nNcPaintHides;
        ShowWindow(SW_HIDE);
    }
}

void CMouseConfigurationDlg::OnDestroy()
{
    if (m_dlgMacroManager.m_hWnd)
        m_dlgMacroManager.DestroyWindow();
    // The profile list is a child window: it goes now, with its object.
    DestroyProfileList();
    // The read thread may be waiting in a SendMessageW to this window or
    // reading on the handles: it ends first, then the handles close.
    StopReadThread();
    CloseDeviceHandles();
    NotifyIcon(NIM_DELETE, m_nid);
    CDialog::OnDestroy();
    CurrentTrayCalls().endProcess(1);
}
