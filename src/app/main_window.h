#pragma once
// CMouseConfigurationDlg: the program's main window. A skinned dialog with
// the mouse picture, the seven button-assignment boxes, Save / Cancel /
// Restore, the side items, the two sensitivity sliders and the settings
// panel. Its start-up (OnInitDialog) shows the splash, finds the mouse,
// starts the read thread, loads the current profile, the language and the
// texts, builds the window and applies the Windows pointer settings.
//
// The definitions are split by job:
//   main_window.cpp           construction, message map, start-up, dragging
//   main_window_skin.cpp      skin, fonts, buttons, sliders, panel
//   main_window_paint.cpp     painting
//   main_window_commands.cpp  button commands, pages, side panels, sliders
//   assign_menu.cpp           assignment menu, box captions and highlight
//   main_window_tray.cpp      notification-area icon, device events, end
//   main_window_profiles.cpp  profile list commands, help, hot spots, keys

#include "classlib/cstring.h"
#include "classlib/dialog.h"
#include "classlib/gdi.h"
#include "classlib/image.h"
#include "macro/macro_program_dialog.h"
#include "pages/dlg_advance.h"
#include "skin/bitmap_btn.h"
#include "skin/marker.h"
#include "storage/profile_store.h"

#include <windows.h>

#include <dbt.h>
#include <shellapi.h>

#include <array>
#include <optional>

// The main window's title; a second start finds the first by it.
inline constexpr wchar_t kMainWindowTitle[] = L"RV417 TALVEN";

// The result of the main window's modal run when its start-up failed.
inline constexpr int kStartupFailedResult = -1;

// The last command id of the button-assignment menu's range (the first is
// ID_HELP_WEBSITE, which has a handler of its own first).
inline constexpr UINT kLastAssignCommand = 4000;

// The folder of `modulePath` (drive and directory, with the trailing
// separator); empty when the path does not split.
CString AppDirectoryOf(const CString& modulePath);

class CMouseConfigurationDlg : public CDialog {
public:
    // Builds the window object; the window itself comes with DoModal (the
    // program) or Create(IDD_MAIN) (tests).
    CMouseConfigurationDlg();
    ~CMouseConfigurationDlg() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // The program directory (with its trailing backslash) into g_szAppDir.
    void GetAppDirectory();

    // Skin, fonts and buttons.
    void InitSkin();
    void InitButtons();

    // The saved state Cancel returns to: g_SettingsSaved and the seven box
    // captions, always taken together. TakeSavedState makes the current
    // record (g_Settings) and captions (m_strItem[0..6]) the saved ones; it
    // runs at start-up, after a Save that wrote the profile file, after a
    // Restore with the mouse present, and must run wherever a different
    // record is loaded (profile switch, import, arrival). RestoreSavedState
    // (Cancel) puts both back and shows the captions on the boxes.
    void TakeSavedState();
    void RestoreSavedState();

    // Pages, side panels and sensitivity sliders.
    void SwitchPage(int page);
    void InitPanels();
    void SetButtonPanelState(int state);
    void SetSecondPanelState(int state);
    void SyncSliders();

    // The profile list window: drops it (deleting the object destroys the
    // window) and shows the three side items again, and the assignment boxes
    // while their panel is open; nothing when it is shut.
    void CloseProfileList();

    // Assignment boxes and their menu.
    void RefreshButtonLabels();
    void SetButtonCaption(int i);
    void HighlightButton(int n);
    void ClearButtonHighlight();
    void ShowAssignMenu(int i);

    // Notification-area icon.
    void AddTrayIcon();
    CString FormatDpiText(BYTE value);
    void ShowTrayMenu();
    // The window back from the notification area: centred at its skin size,
    // both side panels and every settings section folded.
    void ShowFromNotificationArea();
    // Arrival and removal of the mouse's interfaces.
    void OnMouseArrival();
    void OnMouseRemoval();
    void OnMouseGone();

    // Button hot spots of the mouse picture, for the painting.
    void LoadMousePictureImages(CDC* dc, BYTE n);

    // --- Members, in declaration order ---
    HICON m_hIcon = nullptr;

    CImage m_imgBackground;
    CBitmap m_hBackground;
    CFont m_font;
    int m_nWindowWidth = 0;
    int m_nWindowHeight = 0;

    CBitmapBtn m_btnSave;
    CBitmapBtn m_btnCancel;
    CBitmapBtn m_btnClose;
    CBitmapBtn m_btnMinimize;
    CBitmapBtn m_btnHelp;
    CBitmapBtn m_btnRestore;
    CBitmapBtn m_btnConfig;
    CBitmapBtn m_btnFront;
    CBitmapBtn m_btnSide;
    CBitmapBtn m_btnButtonAssign;
    CBitmapBtn m_btnMacroManager;
    CBitmapBtn m_btnAxisSetting;
    // Index = mouse button 0..6.
    std::array<CBitmapBtn, kAssignBoxCount> m_btnAssign;

    // The button whose assignment menu was opened last; -1 before the first.
    int m_nMenuButton = -1;

    CDlgadvance m_dlgPanel;

    CDMarker m_sliderX;
    CDMarker m_sliderY;

    // 0 expanded, 1 collapsed.
    int m_nButtonPanelState = 0;
    int m_nAxisPanelState = 0;

    NOTIFYICONDATAW m_nid{};
    // Non-client paints that still hide the window while the mouse is absent.
    int m_nNcPaintHides = 2;
    DEV_BROADCAST_DEVICEINTERFACE_W m_dbiFilter{};

    // The profile files in use: the store keeps the paths and the captions;
    // the names below are the store's own strings.
    CProfileStore m_profiles;
    CString& m_strModulePath = m_profiles.m_strModulePath;
    CString& m_strConfigPath = m_profiles.m_strConfigPath;
    CString& m_strStrIniPath = m_profiles.m_strStrIniPath;
    CString& m_strRecordIniPath = m_profiles.m_strRecordIniPath;
    // "Item1" .. "Item12" of the caption file; 0..6 label the assignment boxes.
    std::array<CString, kCaptionCount>& m_strItem = m_profiles.m_strItem;

    CMacroProgramDialog m_dlgMacroManager;

    // The box captions that belong to g_SettingsSaved (TakeSavedState).
    std::array<CString, kAssignBoxCount> m_strSavedItem;

protected:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    int OnCreate(LPCREATESTRUCTW createStruct);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnBnClickedWebSite();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    LRESULT OnDeviceNotify(WPARAM wParam, LPARAM lParam);
    BOOL OnDeviceChange(UINT event, DWORD_PTR data);
    void OnNcPaint();
    LRESULT OnMarkerPos(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    LRESULT OnProfileCommand(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnAssignCommand(UINT id);

    DECLARE_MESSAGE_TABLE(CMouseConfigurationDlg, CDialog)

private:
    // Start-up steps of OnInitDialog.
    void ShowSplash();
    void FindMouse();
    bool StartReadThread();
    bool RegisterForDeviceInterfaces();
    void LoadProfileAndLanguage();
    void PublishDataPaths() const;
    void ApplyDeviceState();
    void CopyDpiActionNames();
    // Ends a start-up that cannot go on: the read thread stops and the
    // modal run ends with kStartupFailedResult.
    void AbandonStartup();

    // Deletes the profile list's object (which destroys its window), if any,
    // and drops the import mark (g_bProfileImported) that went with it.
    void DestroyProfileList();

    // The profile list's commands (WM_PROFILE_COMMAND).
    void OnImportProfile(int index);
    void OnExportProfile();
    void OnProfileListClosed(int index);
    void SwitchToProfile(int index);
    // Makes profile `held` (the one whose settings are shown) current again,
    // in g_nCurProfile and in str.ini's list; nothing for -1.
    void KeepProfileCurrent(int held);
    // Names the profile whose settings the window holds (g_nCurProfile) as
    // str.ini's current profile, when str.ini lists it.
    void NameHeldProfileCurrent();
    // The number of names in str.ini's profile list.
    int ListedProfileCount();

    // Commands of the skinned buttons.
    void OnSave();
    void OnCancelChanges();
    // False when the user declined.
    bool OnRestore();
    void HideToNotificationArea();
    void ShowHelpMenu();
    // False when the list was open already.
    bool OpenProfileList();
    void RunMacroManager();
    // Moves the buttons of the current profile (record, captions, saved
    // state) and of every listed profile's files after their macros, and
    // gives each profile the current profile's macro slots.
    void FollowMacrosInEveryProfile(const MacroListChange& change);
    void OnAssignBox(int i);
    void ShowSideItems(int command);
    void ShowAssignBoxes(int command);
    void PlaceSliders(const RECT& x, const RECT& y);
    // The path of record.ini the macro windows work on.
    CString RecordIniPath() const;
    // The key capture and macro pick dialogs for button i: the new caption
    // after OK, nothing otherwise.
    std::optional<CString> RunSingleKeyDialog(int i);
    std::optional<CString> RunMacroDialog(int i);
};
