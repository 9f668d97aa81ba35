#pragma once
// Export of the current profile to a file pair of the user's choice, and its
// import back. The pair is a ".bin" profile file (flag byte and settings
// record, 1,805 bytes) and beside it a ".ini" of the same name with the
// button captions. Import only fills g_Settings and the captions in memory;
// uploading and saving are left to the caller and the user.
//
// Both run on the user-interface thread with a file dialog owned by `parent`
// that starts from the store's m_strConfigPath. Afterwards the store's
// m_strConfigPath and m_strStrIniPath name the chosen file in the program's
// folder, until the next load or save of the current profile.

#include <windows.h>
#include <commdlg.h>

class CProfileStore;
class CWnd;

// OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, for both dialogs.
constexpr DWORD kProfileFileDialogFlags = 0x1006;
static_assert(kProfileFileDialogFlags == (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
inline constexpr const wchar_t* kProfileFileDialogFilter = L"Gaming Mouse Profile(*.bin)|*.bin||";

// Reads a chosen .bin whose name contains ".bin" into g_FirstRunFlag and
// g_Settings when it holds exactly 1,805 bytes, then the captions of the
// .ini beside it. True only when the record was replaced; a cancelled
// dialog, a refused name, a missing or unreadable file or a file of another
// size give false and change neither the record nor the captions.
bool ImportProfile(CProfileStore& store, CWnd* parent);

// Writes the captions to the .ini and g_Settings to the .bin of the chosen
// name (".bin" appended when the name lacks it), the .bin as
// WriteProfileFile writes it.
void ExportProfile(CProfileStore& store, CWnd* parent);
