#pragma once
// The macro store as the macro manager window drives it: the macro list, the
// selected macro's event lines, its loop count and delay option, and the
// twelve device records built from record.ini. Every edit is written to
// record.ini at once through the operations below, each with its own fixed
// order of file writes; the window only mirrors this state in its controls.
//
// A file damaged by hand is read with care: an entry of the list without a
// name is not a macro, counts are believed only as far as the keys they count
// are present, and nothing is ever written under a name the naming rules
// refuse (the list's own section, a name another macro has, brackets...). A
// macro the file holds under such a name is listed and can be selected,
// edited in memory and renamed; it is written once it has an acceptable name.
//
// Where the window would react to a control's own change notification (the
// loop-count edit's text being set), the model makes that call itself.

#include "classlib/cstring.h"
#include "model/device_records.h"
#include "model/macro_list_change.h"

#include <array>
#include <vector>

// At most this many macros: New refuses a 13th; one record buffer each.
constexpr int kMaxMacros = 12;
// The most names read from the list of record.ini, whatever it claims.
constexpr int kMaxListedMacros = 4096;
// The pause after the selected macro has been written.
constexpr DWORD kMacroWritePauseMs = 100;

// The "record delay between keystrokes" and loop tick boxes (0 or 1).
extern int g_bDelayOption;
extern int g_bLoopOption;
// The macro selected last, renamed by the rename end step.
extern int g_nCurMacro;
// The selected macro as read: [0] name, [1] loop-count text, [2..] its lines.
extern std::vector<CString> g_arrSelectedMacro;
// A recording as it grows: [0] macro name, [1] delay option, [2] loop-count
// text, [3..] the recorded lines.
extern std::vector<CString> g_arrPendingMacro;

class CMacroStore {
public:
    // The store's file (a copy of the application's record.ini path) and the
    // language whose word names new macros; set when the window opens.
    void SetRecordIniPath(const CString& path) { m_strRecordIni = path; }
    const CString& RecordIniPath() const { return m_strRecordIni; }
    void SetLanguage(const CString& languageCode);

    // 1. Lists every macro of the file (a fresh, empty list first) and
    //    selects and loads the first.
    void LoadMacrosFromIni();
    // 2. Loads the selected macro: snapshot, loop count, lines, options.
    //    Without a selection it does nothing.
    void OnMacroNameListSelchange();
    // 3. Rewrites the list and the selected macro's section.
    void OnWriteMacroToIni();
    // 4. Rewrites the list and the section of the recording's macro from
    //    g_arrPendingMacro.
    void WritePendingMacro();
    // 5. Rename: the start removes the selected macro's section while its
    //    name is edited; the end writes the list and the section of the macro
    //    at g_nCurMacro under its name now.
    void OnDblclkMacroNameList();
    void OnRenameDone();
    // 6. Appends, selects and loads a new macro; false (nothing added) when
    //    the list already holds twelve: the window shows its limit message.
    bool NewMacro();
    // 7. Takes the loop-count edit's text: a count outside 1..65535 becomes
    //    "1"; the selected macro's record and "MacroLoopTimes" get it.
    void OnChangeLoopTimes();
    // 8. Removes the selected macro from the list and the file.
    void DeleteMacro();
    // On OK: the twelve record buffers rebuilt from the file.
    void OnBnMacroSave();
    // The loop tick box: flips the loop option; the edit is usable exactly
    // while it is on. Turning it off makes the loop count 1 (the edit, the
    // record and the file), so that the macro plays once.
    void ToggleLoopOption();

    // Whether macro `index` may be renamed to `name` (the in-place editor
    // asks before it commits a name).
    bool IsAcceptableMacroName(int index, const CString& name) const;
    // Gives macro `index` the name when it is acceptable; false keeps the old.
    bool SetMacroName(int index, const CString& name);

    const std::vector<CString>& MacroNames() const { return m_macroNames; }
    // For each macro the list held when it was last loaded, in that order:
    // its position in the list now, or -1 once it has been deleted. Renames
    // keep a macro where it is; a delete moves every later macro up.
    std::vector<int> OpenedMacroPositions() const;
    // The list as it was last loaded, where those macros stand now, and the
    // list now.
    MacroListChange ListChange() const;
    // The list as it stands counts as the loaded one: no change is seen
    // until the next edit. For a window that opens without loading.
    void TakeListAsLoaded();
    int CurSel() const { return m_nCurSel; }
    // Moves the list's selection without loading (as the list box does
    // before it notifies); -1 for none.
    void SetCurSel(int index);

    // The selected macro's event lines as the key list shows them; the
    // window's line commands edit them and then write (operation 3).
    const std::vector<CString>& KeyLines() const { return m_keyLines; }
    std::vector<CString>& KeyLines() { return m_keyLines; }

    const CString& LoopEditText() const { return m_strLoopEdit; }
    // Puts a text into the loop-count edit; its change handler
    // (OnChangeLoopTimes) runs as it would for the control.
    void SetLoopEditText(const CString& text);
    bool IsLoopEditEnabled() const { return m_bLoopEditEnabled; }

    // The loop-count text last written or read.
    CString m_strLoopTimes;
    // One device record per list position.
    std::array<MacroRecord, kMaxMacros> m_MacroRecords{};

private:
    void RewriteMacroList() const;
    void WriteMacroSection(const CString& name, const CString& delayOption, const CString& loopTimes,
                           const std::vector<CString>& lines) const;
    bool HasSelection() const;
    // Whether macro `index` has a name the rules accept, so that its section
    // may be written or deleted.
    bool IsWritableName(int index) const;
    int IndexOfName(const CString& name) const;

    CString m_strRecordIni;
    CString m_strMacroWord;
    std::vector<CString> m_macroNames;
    // Per list position: the position the macro had when the list was
    // loaded, -1 for a macro made since.
    std::vector<int> m_loadedPosition;
    // The names of the list as it was loaded.
    std::vector<CString> m_loadedNames;
    int m_nCurSel = -1;
    std::vector<CString> m_keyLines;
    CString m_strLoopEdit;
    bool m_bLoopEditEnabled = true;
};
