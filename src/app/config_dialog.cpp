#include "app/config_dialog.h"

#include "classlib/debug_output.h"
#include "classlib/image.h"
#include "classlib/menu.h"
#include "classlib/win_app.h"
#include "messages.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/language_fonts.h"
#include "skin/lb_editor_wnd.h"
#include "skin/skin_draw.h"
#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/profile_list.h"
#include "storage/profile_store.h"
#include "text/program_language.h"

#include <algorithm>
#include <utility>

namespace {

constexpr COLORREF kSelectedBackground = RGB(72, 24, 24);
constexpr COLORREF kSelectedText = RGB(255, 255, 255);
constexpr COLORREF kListBackground = RGB(40, 40, 40);
constexpr COLORREF kListText = RGB(250, 250, 250);
constexpr COLORREF kLabelText = RGB(255, 255, 255);

constexpr RECT kTitleRect{10, 0, 80, 31};
constexpr RECT kNewLabelRect{30, 575, 80, 598};
constexpr RECT kDeleteLabelRect{140, 575, 190, 598};

enum ProfileCommand : WPARAM { kImportProfile = 0, kExportProfile = 1, kListClosed = 2 };

bool Contains(const RECT& rect, CPoint point)
{
    return ::PtInRect(&rect, point) != FALSE;
}

void PostToMainWindow(WPARAM command, int index)
{
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->PostMessage(WM_PROFILE_COMMAND, command, static_cast<LPARAM>(index));
}

}  // namespace

BEGIN_MESSAGE_TABLE(CConfigDialog)
    MAP_CTLCOLOR(OnCtlColor)
    MAP_COMMAND(ID_PROFILE_DELETE, OnDeleteProfile)
    MAP_COMMAND(ID_PROFILE_EDIT, OnEditProfile)
    MAP_COMMAND(ID_PROFILE_COPY, OnCopyProfile)
    MAP_COMMAND(ID_PROFILE_LOAD, OnLoadProfile)
    MAP_COMMAND(ID_PROFILE_SAVE, OnSaveProfile)
    MAP_LBN_SELCHANGE(IDC_PROFILE_LIST, OnSelchangeProfileList)
    MAP_LBN_DBLCLK(IDC_PROFILE_LIST, OnSelchangeProfileList)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_PAINT(OnPaint)
END_MESSAGE_TABLE()

CConfigDialog::CConfigDialog(CProfileStore& store) : CDialog(IDD_PROFILE_LIST), m_store(store)
{
    m_brush.CreateSolidBrush(kListBackground);
}

CConfigDialog::~CConfigDialog()
{
    // The window and its list go while the font and brush they use still exist.
    DestroyWindow();
}

CConfigDialog::Labels CConfigDialog::LabelsFor(const CString& language)
{
    // clang-format off
    if (language == L"CHS")
        return {L"配置", L"Profile", L"新建", L"删除", L"编辑", L"复制", L"加载", L"保存",
                L"警告", L"最多可以存储6个配置。"};
    if (language == L"CHT")
        return {L"配置", L"設定檔", L"新建", L"刪除", L"編輯", L"複製", L"載入", L"儲存",
                L"注意!", L"支援最多六組設定檔。"};
    if (language == L"EN")
        return {L"Configuration", L"Profile", L"New", L"Delete", L"Edit", L"Copy", L"Load", L"Save",
                L"ATTENTION!", L"Up to 6 Profiles Possible."};
    if (language == L"DE")
        return {L"Game Profil", L"Profil", L"Neu", L"Löschen", L"Bearbeiten", L"Kopieren", L"Laden", L"Speichern",
                L"ACHTUNG!", L"Maximal 6 Profile möglich."};
    // clang-format on
    return {};
}

CString CConfigDialog::SkinPath(const wchar_t* name) const
{
    return CString(g_szAppDir) + L"Skins\\" + name;
}

BOOL CConfigDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_store.RefreshModulePath();
    m_strStrIni = DataFilePath(m_store.m_strModulePath, L"str.ini");

    CImage background;
    background.Load(CString(g_szAppDir) + L"skins\\" + L"/Config/Config.png");
    SetWindowPos(static_cast<HWND>(nullptr), 0, 0, background.GetWidth(), background.GetHeight(),
                 SWP_NOMOVE | SWP_NOZORDER);
    if (background.IsNull()) {
        MessageBox(L"error", L"Config Dialog Load background image failed!!!", MB_OK);
        // A window of no size could never be closed: it goes, and Create
        // reports the failure.
        DestroyWindow();
        return FALSE;
    }
    m_background.Attach(background.Detach());

    const CString& language = ProgramLanguage();
    m_font.CreateFont(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH,
                      SystemChineseOrArialFace(language));
    m_labels = LabelsFor(language);

    m_list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, kListRect, this,
                  IDC_PROFILE_LIST);
    m_list.m_crSelectedBackground = kSelectedBackground;
    m_list.m_crSelectedText = kSelectedText;
    m_list.SetFont(&m_font);

    LoadProfileList();
    return TRUE;
}

std::vector<CString> CConfigDialog::Items() const
{
    std::vector<CString> items(static_cast<size_t>(std::max(Count(), 0)));
    for (size_t i = 0; i < items.size(); ++i)
        m_list.GetText(static_cast<int>(i), items[i]);
    return items;
}

bool CConfigDialog::HasSelection() const
{
    const int selection = m_list.GetCurSel();
    return selection >= 0 && selection < Count();
}

int CConfigDialog::GetSelectedProfile() const
{
    return m_list.m_hWnd ? m_list.GetCurSel() : -1;
}

void CConfigDialog::LoadProfileList()
{
    if (!m_list.m_hWnd)
        return;
    m_list.ResetContent();
    if (!PathExists(m_strStrIni))
        return;
    const ProfileList list = ReadProfileList(m_strStrIni);
    for (const CString& item : list.items)
        m_list.AddString(item);
    // Found as the profile files find it; showing the list changes no profile.
    if (const int current = FindProfileByName(list.items, list.current); current >= 0) {
        m_list.SetCurSel(current);
        m_nSelected = current;
    }
}

void CConfigDialog::SaveProfileList()
{
    const int count = Count();
    const int closing = ClosingProfileIndex(m_list.GetCurSel(), HeldProfile(), count);
    if (closing < 0)
        return;  // an empty list: str.ini keeps the list it has
    WriteProfileList(m_strStrIni, Items(), closing);
    g_nCurProfile = static_cast<uint8_t>(closing);
}

void CConfigDialog::OnNewProfile()
{
    const int count = Count();
    if (count >= kProfileCount) {
        MessageBox(m_labels.limit, m_labels.warning, MB_OK);
        return;
    }
    if (!GiveAddedNameItsFiles(count, -1))
        return;
    m_list.AddString(NewProfileName(m_labels.base, Items()));
    m_list.SetCurSel(count);
}

int CConfigDialog::HeldProfile() const
{
    return g_nCurProfile == m_nDeletedHeldSlot ? -1 : g_nCurProfile;
}

bool CConfigDialog::GiveAddedNameItsFiles(int slot, int source)
{
    // Names that were never written name no files yet.
    if (!PathExists(m_strStrIni))
        return true;
    // A list that named no profile left the profile in use without a name:
    // the name added in its slot takes it over, files and all.
    if (slot == HeldProfile())
        return true;
    m_store.RefreshModulePath();
    const CString& modulePath = m_store.m_strModulePath;
    const bool written = source < 0 ? WriteNewProfileFiles(modulePath, slot, ProgramLanguage())
                                    : CopyProfileFiles(modulePath, source, slot);
    if (!written)
        DebugTrace(L"No profile is added: the files of slot %d could not be written.\n", slot);
    return written;
}

void CConfigDialog::OnDeleteProfile()
{
    const int count = Count();
    const int selection = m_list.GetCurSel();
    if (count < 2 || selection < 0 || selection >= count)
        return;

    if (!PathExists(m_strStrIni)) {
        // Names that were never written name no files yet.
        m_list.DeleteString(static_cast<UINT>(selection));
        m_list.SetCurSel(std::min(selection, count - 2));
        return;
    }

    // The later profiles' files move down with their names, and the list is
    // written at once, so that names, files and g_nCurProfile never disagree.
    const std::vector<CString> before = Items();
    const int currentBefore = g_nCurProfile;
    const ProfileFileMoves moves = MovesForDelete(selection, count);
    m_store.RefreshModulePath();
    if (!MoveProfileFiles(m_store.m_strModulePath, moves)) {
        DebugTrace(L"Profile %d is not deleted: its files could not be moved.\n", selection);
        return;
    }
    std::vector<CString> after = before;
    after.erase(after.begin() + selection);
    const int newSelection = std::min(selection, count - 2);
    // The profile whose record the main window holds follows its files.
    const int current = currentBefore < kProfileCount ? moves[static_cast<size_t>(currentBefore)] : currentBefore;
    if (!WriteProfileList(m_strStrIni, after, ClosingProfileIndex(current, newSelection, count - 1))) {
        MoveProfileFiles(m_store.m_strModulePath, ReversedMoves(moves));
        WriteProfileList(m_strStrIni, before, ClosingProfileIndex(currentBefore, selection, count));
        DebugTrace(L"Profile %d is not deleted: the list could not be written.\n", selection);
        return;
    }
    g_nCurProfile = static_cast<uint8_t>(current);
    // When the profile the main window holds is the one deleted, its files
    // wait behind the list, where g_nCurProfile now points; a name added
    // there later must not be taken for it.
    if (currentBefore == selection)
        m_nDeletedHeldSlot = current;
    else if (m_nDeletedHeldSlot >= 0)
        m_nDeletedHeldSlot = moves[static_cast<size_t>(m_nDeletedHeldSlot)];

    m_list.DeleteString(static_cast<UINT>(selection));
    m_list.SetCurSel(newSelection);
}

void CConfigDialog::OnCopyProfile()
{
    const int count = Count();
    if (count < 1 || count >= kProfileCount || !HasSelection())
        return;
    const int source = m_list.GetCurSel();
    if (!GiveAddedNameItsFiles(count, source))
        return;
    CString name;
    m_list.GetText(source, name);
    m_list.AddString(CopyProfileName(m_labels.copy, name, Items()));
}

void CConfigDialog::OnEditProfile()
{
    if (Count() > 0 && HasSelection())
        OnSelchangeProfileList();
}

void CConfigDialog::OnSelchangeProfileList()
{
    const int selection = m_list.GetCurSel();
    if (selection < 0 || selection >= Count())
        return;
    g_nEditContext = kEditProfileName;
    if (selection == m_nSelected)
        StartRename(selection);
    else
        m_nSelected = selection;
}

void CConfigDialog::StartRename(int index)
{
    // One editor at a time: a double click reports the pick twice.
    if (::GetDlgItem(m_list.m_hWnd, static_cast<int>(CLBEditorWnd::kEditId)))
        return;
    // The editor deletes itself when its window goes.
    auto* editor = new CLBEditorWnd(&m_list);
    editor->Edit(index, 0);
}

// Import and export work on the record the main window holds, so neither
// changes g_nCurProfile here: an export leaves the record where it belongs,
// and the main window makes the profile current once an import has really
// replaced the record.
void CConfigDialog::OnLoadProfile()
{
    if (Count() > 0 && HasSelection())
        PostToMainWindow(kImportProfile, m_list.GetCurSel());
}

void CConfigDialog::OnSaveProfile()
{
    if (Count() > 0 && HasSelection())
        PostToMainWindow(kExportProfile, m_list.GetCurSel());
}

void CConfigDialog::OnCloseArea()
{
    const int count = Count();
    const int held = HeldProfile();
    const int closing = ClosingProfileIndex(m_list.GetCurSel(), held, count);
    m_nHeldAtClose = held >= 0 && held < count ? held : -1;
    SaveProfileList();
    m_nSelected = closing;
    PostToMainWindow(kListClosed, closing);
    // Hidden only: the main window destroys the window when it handles the
    // message. The font stays until then, since the list still uses it.
    OnCancel();
}

void CConfigDialog::OnLButtonDown(UINT flags, CPoint point)
{
    if (Contains(kCloseArea, point))
        OnCloseArea();
    else if (Contains(kNewArea, point))
        OnNewProfile();
    else if (Contains(kDeleteArea, point))
        OnDeleteProfile();
    CDialog::OnLButtonDown(flags, point);
}

bool CConfigDialog::IsEditorKey(const MSG& msg) const
{
    if (!m_list.m_hWnd || ::GetParent(msg.hwnd) != m_list.m_hWnd)
        return false;
    return dynamic_cast<CLBEditorWnd*>(CWnd::FromHandlePermanent(msg.hwnd)) != nullptr;
}

BOOL CConfigDialog::PreTranslateMessage(MSG* msg)
{
    if (IsSwallowedDialogKey(*msg)) {
        // The rename editor needs Enter, Esc and Space (names hold spaces).
        // It gets them here, so that no window further up swallows them.
        if (IsEditorKey(*msg)) {
            ::TranslateMessage(msg);
            ::DispatchMessageW(msg);
        }
        return TRUE;
    }
    if (msg->message == WM_RBUTTONUP && m_list.m_hWnd) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        if (::WindowFromPoint(cursor) == m_list.m_hWnd)
            ShowContextMenu();
    }
    return CDialog::PreTranslateMessage(msg);
}

void CConfigDialog::ShowContextMenu()
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_PROFILE_MENU))
        return;
    if (CMenu* popup = menu.GetSubMenu(0)) {
        const std::pair<UINT, const CString*> texts[] = {
            {ID_PROFILE_DELETE, &m_labels.deleteProfile},
            {ID_PROFILE_EDIT, &m_labels.edit},
            {ID_PROFILE_COPY, &m_labels.copy},
            {ID_PROFILE_LOAD, &m_labels.load},
            {ID_PROFILE_SAVE, &m_labels.save},
        };
        for (const auto& [id, text] : texts)
            popup->ModifyMenu(id, MF_BYCOMMAND | MF_STRING, id, *text);
        POINT cursor{};
        ::GetCursorPos(&cursor);
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
    }
    menu.DestroyMenu();
}

HBRUSH CConfigDialog::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    switch (kind) {
    case CTLCOLOR_STATIC:
        dc->SetTextColor(kLabelText);
        dc->SetBkMode(TRANSPARENT);
        break;
    case CTLCOLOR_LISTBOX:
        dc->SetBkColor(kListBackground);
        dc->SetTextColor(kListText);
        break;
    default:
        return CDialog::OnCtlColor(dc, control, kind);
    }
    dc->SelectObject(&m_font);
    return m_brush;
}

BOOL CConfigDialog::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CConfigDialog::OnPaint()
{
    CPaintDC dc(this);
    if (!m_background.m_hObject)
        return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    // The kept background takes every paint, so each paint draws over the last.
    ScopedSelectObject background(memory, m_background);

    DrawPngWithAlpha(&memory, SkinPath(L"/Config/Config.png"), 0, 0);
    memory.SetBkMode(TRANSPARENT);
    ScopedSelectObject font(memory, m_font);
    memory.SetTextColor(kLabelText);
    DrawPngWithAlpha(&memory, SkinPath(L"/button-close-normal.png"), kCloseArea.left, kCloseArea.top);
    RECT title = kTitleRect;
    memory.DrawText(m_labels.title, &title, DT_VCENTER | DT_SINGLELINE);
    DrawPngWithAlpha(&memory, SkinPath(L"/Config/New-Config.png"), 14, 582);
    RECT newLabel = kNewLabelRect;
    memory.DrawText(m_labels.newProfile, &newLabel, DT_VCENTER | DT_SINGLELINE);
    DrawPngWithAlpha(&memory, SkinPath(L"/Config/Del-Config.png"), 124, 582);
    RECT deleteLabel = kDeleteLabelRect;
    memory.DrawText(m_labels.deleteProfile, &deleteLabel, DT_VCENTER | DT_SINGLELINE);

    CRect client;
    GetClientRect(&client);
    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}
