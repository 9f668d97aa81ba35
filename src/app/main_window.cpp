#include "app/main_window.h"
#include "app/tray_calls.h"

#include "app/app.h"
#include "app/device_watch.h"
#include "app/program_module_path.h"
#include "app/splash.h"
#include "classlib/debug_output.h"
#include "classlib/win_app.h"
#include "device/hid_link.h"
#include "device/read_thread.h"
#include "device/single_commands.h"
#include "messages.h"
#include "model/settings_record.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "storage/ini_file.h"
#include "storage/windows_settings.h"
#include "text/function_catalogues.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <initguid.h>

#include <hidclass.h>

#include <cstdlib>

static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) == 32);

namespace {

// The first of the three texts that name the DPI actions of the assignment menu.
constexpr int kFirstDpiActionText = 41;

}  // namespace

CString AppDirectoryOf(const CString& modulePath)
{
    wchar_t drive[MAX_PATH] = {};
    wchar_t directory[MAX_PATH] = {};
    wchar_t name[MAX_PATH] = {};
    wchar_t extension[MAX_PATH] = {};
    if (_wsplitpath_s(modulePath, drive, MAX_PATH, directory, MAX_PATH, name, MAX_PATH, extension, MAX_PATH) != 0)
        return CString();
    wchar_t joined[MAX_PATH] = {};
    if (_wmakepath_s(joined, MAX_PATH, drive, directory, nullptr, nullptr) != 0)
        return CString();
    return joined;
}

BEGIN_MESSAGE_TABLE(CMouseConfigurationDlg)
    MAP_PAINT(OnPaint)
    MAP_QUERYDRAGICON(OnQueryDragIcon)
    MAP_CREATE(OnCreate)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_COMMAND(ID_HELP_WEBSITE, OnBnClickedWebSite)
    MAP_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
    MAP_DESTROY(OnDestroy)
    MAP_MESSAGE(WM_DEVICE_NOTIFY, OnDeviceNotify)
    MAP_DEVICECHANGE(OnDeviceChange)
    MAP_NCPAINT(OnNcPaint)
    MAP_MESSAGE(WM_MARKER_POS, OnMarkerPos)
    MAP_CTLCOLOR(OnCtlColor)
    MAP_MESSAGE(WM_PROFILE_COMMAND, OnProfileCommand)
    MAP_TIMER(OnTimer)
    MAP_MOUSEMOVE(OnMouseMove)
    MAP_LBUTTONUP(OnLButtonUp)
    MAP_COMMAND_RANGE(ID_HELP_WEBSITE, kLastAssignCommand, OnAssignCommand)
END_MESSAGE_TABLE()

CMouseConfigurationDlg::CMouseConfigurationDlg() : CDialog(IDD_MAIN), m_profiles(&ProgramModulePath)
{
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_PROGRAM));
    g_bDeviceOpen = FALSE;
}

CMouseConfigurationDlg::~CMouseConfigurationDlg() = default;

int CMouseConfigurationDlg::OnCreate(LPCREATESTRUCTW createStruct)
{
    if (CDialog::OnCreate(createStruct) == -1)
        return -1;
    GetAppDirectory();
    return 0;
}

void CMouseConfigurationDlg::GetAppDirectory()
{
    SetAppDir(AppDirectoryOf(ProgramModulePath()));
}

HCURSOR CMouseConfigurationDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

BOOL CMouseConfigurationDlg::OnEraseBkgnd(CDC*)
{
    // The painting covers the whole client area.
    return TRUE;
}

void CMouseConfigurationDlg::OnLButtonDown(UINT flags, CPoint point)
{
    ClearButtonHighlight();
    // A press on the free area drags the window as its caption would.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(flags, point);
}

void CMouseConfigurationDlg::OnTimer(UINT_PTR id)
{
    CDialog::OnTimer(id);
}

void CMouseConfigurationDlg::OnMouseMove(UINT flags, CPoint point)
{
    CDialog::OnMouseMove(flags, point);
}

void CMouseConfigurationDlg::OnLButtonUp(UINT flags, CPoint point)
{
    CDialog::OnLButtonUp(flags, point);
}

// --- Start-up ---

BOOL CMouseConfigurationDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    ShowSplash();
    SetWindowText(kMainWindowTitle);
    g_hMainWnd = m_hWnd;

    FindMouse();
    if (!StartReadThread() || !RegisterForDeviceInterfaces()) {
        AbandonStartup();
        return FALSE;
    }

    LoadProfileAndLanguage();

    InitSkin();
    InitButtons();
    InitPanels();
    SwitchPage(1);
    AddTrayIcon();
    ReadFirmwareVersion();
    ApplyDeviceState();
    CopyDpiActionNames();
    ReadFirmwareVersion();
    ApplyWindowsSettings();
    return TRUE;
}

void CMouseConfigurationDlg::ShowSplash()
{
    // Closes itself after three seconds; nothing else of the start-up runs before.
    CDlgSplash splash;
    splash.DoModal();
}

void CMouseConfigurationDlg::FindMouse()
{
    if (FindDevice()) {
        g_bDeviceOpen = TRUE;
        g_DevImage = DeviceImage{};
        g_Settings.ProfileIndex = g_DevImage.DeviceProfile;
    } else {
        g_bDeviceOpen = FALSE;
    }
}

bool CMouseConfigurationDlg::StartReadThread()
{
    g_ovRead.Offset = 0;
    g_ovRead.OffsetHigh = 0;
    if (!CurrentDeviceWatchCalls().createReadThread(this))
        return false;
    // Without the mouse the thread stays suspended until the mouse arrives.
    if (g_bDeviceOpen && g_pReadThread)
        g_pReadThread->ResumeThread();
    return true;
}

bool CMouseConfigurationDlg::RegisterForDeviceInterfaces()
{
    m_dbiFilter = DEV_BROADCAST_DEVICEINTERFACE_W{};
    m_dbiFilter.dbcc_size = sizeof(m_dbiFilter);
    m_dbiFilter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    m_dbiFilter.dbcc_classguid = GUID_DEVINTERFACE_HID;
    if (!CurrentDeviceWatchCalls().registerDeviceNotification(m_hWnd, &m_dbiFilter, DEVICE_NOTIFY_WINDOW_HANDLE)) {
        DebugTrace(L"RegisterDeviceNotification failed!!!");
        return false;
    }
    return true;
}

void CMouseConfigurationDlg::AbandonStartup()
{
    StopReadThread();
    EndDialog(kStartupFailedResult);
}

void CMouseConfigurationDlg::LoadProfileAndLanguage()
{
    m_profiles.LoadCurrentProfile();
    PublishDataPaths();

    CString& language = ProgramLanguage();
    language = ReadIniValue(m_strStrIniPath, L"Skins", L"Lan");
    g_TextTable.Load(language);
    m_profiles.ReadStrIni();
    // The record as loaded, with the captions read for it.
    TakeSavedState();
}

void CMouseConfigurationDlg::PublishDataPaths() const
{
    if (auto* app = dynamic_cast<CMouseConfigurationApp*>(AfxGetApp())) {
        app->m_strRecordIni = m_profiles.m_strRecordIni;
        app->m_strStrIni = m_profiles.m_strStrIni;
    }
}

void CMouseConfigurationDlg::ApplyDeviceState()
{
    if (g_bDeviceOpen) {
        RefreshButtonLabels();
        SyncSliders();
        SetFunctionOption();
    } else {
        CurrentTrayCalls().shellNotifyIcon(NIM_DELETE, &m_nid);
    }
}

void CMouseConfigurationDlg::CopyDpiActionNames()
{
    for (int i = 0; i < kDpiActionCount; ++i)
        g_strDpiActions[static_cast<size_t>(i)] = g_TextTable.Get(kFirstDpiActionText + i);
}
