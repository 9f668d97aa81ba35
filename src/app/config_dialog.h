#pragma once
// The profile list window: the named profiles of str.ini, shown over the
// main window's side column. It adds, copies, renames and deletes names, and
// hands importing, exporting and choosing a profile to the main window with
// WM_PROFILE_COMMAND (wParam 0 import, 1 export, 2 the list was closed;
// lParam the profile's index in the list, -1 for a closed empty list).
//
// How the main window uses it:
// - It makes it with new, calls Create(IDD_PROFILE_LIST, itself) and shows
//   it. A FALSE from Create means there is no window (the background
//   picture is missing, say): it deletes the object at once and keeps its
//   side column as it was.
// - Right after Create it reads GetSelectedProfile (its g_nProfileChosen).
// - Import (0) and export (1) leave g_nCurProfile as it is: once an import
//   has really replaced the record, the main window makes lParam current
//   and tells the list with SetCurrentProfileHeld; lParam may name a name
//   added since the list opened (GetProfileCount counts it).
// - On code 2 the list is already saved and g_nCurProfile is lParam; the
//   settings the main window holds belong to GetProfileHeldAtClose. It
//   switches to lParam unless an import came first, lParam is that index,
//   or lParam is -1.
// - It deletes the object (which destroys the window) where it drops the
//   list: on code 2 and on restoring the factory settings.
//
// Names map to config<i>.bin and str<i>.ini by their place in the list, so
// a delete moves the files of every later profile down by one and writes
// the list to str.ini at once: list, files and g_nCurProfile agree at every
// moment. New and Copy give the added name's slot its files at once (a new
// profile's factory files, or a copy of the copied profile's), so that the
// name never takes over what the slot held before. Renames and new names
// reach str.ini when the list is closed.

#include "classlib/cstring.h"
#include "classlib/dialog.h"
#include "classlib/gdi.h"
#include "skin/list_box_ex.h"

#include <vector>

class CProfileStore;

class CConfigDialog : public CDialog {
public:
    // `store` gives the program's folder, where str.ini and the profile files lie.
    explicit CConfigDialog(CProfileStore& store);
    ~CConfigDialog() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Fills the list from str.ini and selects the current profile, the last
    // item named exactly "CurProfileName". g_nCurProfile is left as it is.
    void LoadProfileList();
    // Writes the list to str.ini with the profile it closes on (the
    // selection, else the profile in use when it is listed, else the first)
    // as "CurProfileName", and makes that profile g_nCurProfile. An empty
    // list writes and changes nothing.
    void SaveProfileList();

    // The list's selection, -1 when none: the profile the list shows as
    // chosen when it opens.
    int GetSelectedProfile() const;
    // The number of names in the list, those not yet saved included.
    int GetProfileCount() const { return m_list.m_hWnd ? Count() : 0; }
    // The main window now holds the settings of g_nCurProfile (an import was
    // loaded for it), whatever profile was deleted before.
    void SetCurrentProfileHeld() { m_nDeletedHeldSlot = -1; }
    // Set when the list is closed with its close area: the index, in the list
    // as saved, of the profile whose settings the main window holds (that
    // is g_nCurProfile), or -1 when that profile was deleted.
    int GetProfileHeldAtClose() const { return m_nHeldAtClose; }

    // Client-area geometry.
    static constexpr RECT kCloseArea{240, 8, 255, 23};
    static constexpr RECT kNewArea{0, 575, 100, 598};
    static constexpr RECT kDeleteArea{110, 575, 230, 598};
    static constexpr RECT kListRect{0, 31, 263, 575};

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    void OnDeleteProfile();
    void OnEditProfile();
    void OnCopyProfile();
    void OnLoadProfile();
    void OnSaveProfile();
    void OnSelchangeProfileList();
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();

    DECLARE_MESSAGE_TABLE(CConfigDialog, CDialog)

private:
    struct Labels {
        CString title, base, newProfile, deleteProfile, edit, copy, load, save, warning, limit;
    };
    static Labels LabelsFor(const CString& language);

    void OnNewProfile();
    // Gives slot `slot`, where a name is about to be added, its files: a
    // copy of profile `source`'s, or a new profile's for -1. False when they
    // could not be written, and the name is not to be added.
    bool GiveAddedNameItsFiles(int slot, int source);
    // The index of the profile whose settings the main window holds:
    // g_nCurProfile, or -1 once that profile is deleted.
    int HeldProfile() const;
    void OnCloseArea();
    void StartRename(int index);
    void ShowContextMenu();
    bool IsEditorKey(const MSG& msg) const;
    std::vector<CString> Items() const;
    int Count() const { return m_list.GetCount(); }
    bool HasSelection() const;
    CString SkinPath(const wchar_t* name) const;

    // Declared before the list, so that the list's window is gone before the
    // font it uses is freed.
    CFont m_font;
    Labels m_labels;
    CListBoxEx m_list;
    CBitmap m_background;
    // The index picked last; a pick of the same index starts a rename.
    int m_nSelected = 0;
    CString m_strStrIni;
    CBrush m_brush;
    CProfileStore& m_store;
    // Once the profile whose settings the main window holds is deleted, its
    // files wait in the slot behind the list and g_nCurProfile names that
    // slot; a name added there later is not that profile. -1 while the
    // profile held is listed.
    int m_nDeletedHeldSlot = -1;
    int m_nHeldAtClose = -1;
};
