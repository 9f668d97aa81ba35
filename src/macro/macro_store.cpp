#include "macro/macro_store.h"

#include "classlib/debug_output.h"
#include "device/clock.h"
#include "model/leading_decimal.h"
#include "model/macro_encoding.h"
#include "model/macro_names.h"
#include "model/record_ini.h"
#include "storage/ini_file.h"
#include "storage/macro_file_encoding.h"

#include <algorithm>

int g_bDelayOption = 0;
int g_bLoopOption = 0;
int g_nCurMacro = 0;
std::vector<CString> g_arrSelectedMacro;
std::vector<CString> g_arrPendingMacro;

namespace {

MacroRecordSpan RecordBytesOf(MacroRecord& record)
{
    return MacroRecordSpan(reinterpret_cast<uint8_t*>(&record), kDeviceRecordSize);
}

CString Decimal(long value)
{
    CString text;
    text.Format(L"%ld", value);
    return text;
}

}  // namespace

void CMacroStore::SetLanguage(const CString& languageCode)
{
    m_strMacroWord = MacroNameWord(languageCode);
}

bool CMacroStore::IsWritableName(int index) const
{
    return index >= 0 && index < static_cast<int>(m_macroNames.size()) &&
           ::IsAcceptableMacroName(m_macroNames, index, m_macroNames[static_cast<size_t>(index)]);
}

int CMacroStore::IndexOfName(const CString& name) const
{
    const auto found = std::find(m_macroNames.begin(), m_macroNames.end(), name);
    return found == m_macroNames.end() ? -1 : static_cast<int>(found - m_macroNames.begin());
}

bool CMacroStore::HasSelection() const
{
    return m_nCurSel >= 0 && m_nCurSel < static_cast<int>(m_macroNames.size());
}

std::vector<int> CMacroStore::OpenedMacroPositions() const
{
    const size_t loaded = m_loadedNames.size();
    std::vector<int> now(loaded, -1);
    for (size_t j = 0; j < m_loadedPosition.size(); ++j)
        if (const int position = m_loadedPosition[j]; position >= 0 && static_cast<size_t>(position) < loaded)
            now[static_cast<size_t>(position)] = static_cast<int>(j);
    return now;
}

MacroListChange CMacroStore::ListChange() const
{
    return MacroListChange{m_loadedNames, OpenedMacroPositions(), m_macroNames};
}

void CMacroStore::TakeListAsLoaded()
{
    m_loadedNames = m_macroNames;
    m_loadedPosition.clear();
    for (size_t j = 0; j < m_macroNames.size(); ++j)
        m_loadedPosition.push_back(static_cast<int>(j));
}

void CMacroStore::SetCurSel(int index)
{
    m_nCurSel = index >= 0 && index < static_cast<int>(m_macroNames.size()) ? index : -1;
}

void CMacroStore::SetLoopEditText(const CString& text)
{
    m_strLoopEdit = text;
    OnChangeLoopTimes();
}

// The list section is deleted and rebuilt whole: "MacroCount", then "0",
// "1", ... An empty list is written as count 0 with an empty key "0".
void CMacroStore::RewriteMacroList() const
{
    DeleteIniSection(m_strRecordIni, kMacroListSection);
    const int count = static_cast<int>(m_macroNames.size());
    WriteIniValue(m_strRecordIni, kMacroListSection, kMacroCountKey, Decimal(count));
    if (count == 0)
        WriteIniValue(m_strRecordIni, kMacroListSection, MacroListKey(0), L"");
    for (int i = 0; i < count; ++i)
        WriteIniValue(m_strRecordIni, kMacroListSection, MacroListKey(i), m_macroNames[static_cast<size_t>(i)]);
}

// A macro's section is deleted and rebuilt key by key in this order.
void CMacroStore::WriteMacroSection(const CString& name, const CString& delayOption, const CString& loopTimes,
                                    const std::vector<CString>& lines) const
{
    DeleteIniSection(m_strRecordIni, name);
    WriteIniValue(m_strRecordIni, name, kDelayOptionKey, delayOption);
    WriteIniValue(m_strRecordIni, name, kLoopTimesKey, loopTimes);
    WriteIniValue(m_strRecordIni, name, kLineCountKey, Decimal(static_cast<long>(lines.size())));
    for (size_t j = 0; j < lines.size(); ++j)
        WriteIniValue(m_strRecordIni, name, MacroLineKey(static_cast<int>(j)), lines[j]);
}

void CMacroStore::LoadMacrosFromIni()
{
    // The window's lists and edit are new each time it opens.
    m_macroNames.clear();
    m_loadedPosition.clear();
    m_loadedNames.clear();
    m_nCurSel = -1;
    m_keyLines.clear();
    m_strLoopEdit.Empty();

    if (PathExists(m_strRecordIni)) {
        const IniNames sections = ReadIniSectionNames(m_strRecordIni);
        for (const CString& name : ReadMacroNames(m_strRecordIni, kMaxListedMacros)) {
            m_loadedPosition.push_back(static_cast<int>(m_macroNames.size()));
            m_macroNames.push_back(name);
            // Each listed macro's section is read on the way. Of what that
            // sets, only the delay option can outlast the final load of the
            // first macro, which replaces the edit and the key list.
            const int delayOption = sections.Contains(name) ? ReadIniNumber(m_strRecordIni, name, kDelayOptionKey) : 0;
            g_bDelayOption = delayOption == 1 ? 1 : 0;
        }
    }
    m_loadedNames = m_macroNames;
    if (m_macroNames.empty()) {
        m_bLoopEditEnabled = false;
        return;
    }
    m_nCurSel = 0;
    OnMacroNameListSelchange();
}

void CMacroStore::OnMacroNameListSelchange()
{
    if (!HasSelection())
        return;
    g_nCurMacro = m_nCurSel;
    const CString name = m_macroNames[static_cast<size_t>(m_nCurSel)];
    g_arrSelectedMacro.clear();
    g_arrSelectedMacro.push_back(name);

    // The section is read once; its line count is believed only as far as
    // its lines are present.
    const IniSection section = ReadIniSection(m_strRecordIni, name);
    const CString loopTimes = section.Value(kLoopTimesKey);
    SetLoopEditText(loopTimes);
    g_arrSelectedMacro.push_back(loopTimes);

    const int lineCount = MacroLineCount(section);
    m_keyLines.clear();
    for (int j = 0; j < lineCount; ++j) {
        const CString line = section.Value(MacroLineKey(j));
        m_keyLines.push_back(line);
        g_arrSelectedMacro.push_back(line);
    }

    const CString delayOption = section.Value(kDelayOptionKey);
    if (delayOption == L"1")
        g_bDelayOption = 1;
    else if (LeadingDecimal(delayOption) == 0)
        g_bDelayOption = 0;

    g_bLoopOption = LeadingDecimal(m_strLoopEdit) > 1 ? 1 : 0;
    m_bLoopEditEnabled = g_bLoopOption != 0;
}

void CMacroStore::OnWriteMacroToIni()
{
    if (m_macroNames.empty() || !PathExists(m_strRecordIni))
        return;
    RewriteMacroList();
    if (!HasSelection())
        return;
    const CString& name = m_macroNames[static_cast<size_t>(m_nCurSel)];
    if (m_keyLines.empty()) {
        if (m_nCurSel < kMaxMacros)
            m_MacroRecords[static_cast<size_t>(m_nCurSel)] = MacroRecord{};
        if (IsWritableName(m_nCurSel))
            DeleteIniSection(m_strRecordIni, name);
        return;
    }
    m_strLoopTimes = m_strLoopEdit;
    if (!IsWritableName(m_nCurSel))
        return;
    WriteMacroSection(name, Decimal(g_bDelayOption), m_strLoopEdit, m_keyLines);
    ClockSleep(kMacroWritePauseMs);
}

void CMacroStore::WritePendingMacro()
{
    if (!PathExists(m_strRecordIni) || g_arrPendingMacro.empty())
        return;
    RewriteMacroList();
    if (!IsWritableName(IndexOfName(g_arrPendingMacro[0])))
        return;
    const auto entry = [](size_t i) { return i < g_arrPendingMacro.size() ? g_arrPendingMacro[i] : CString(); };
    const std::vector<CString> lines(g_arrPendingMacro.begin() + std::min<size_t>(3, g_arrPendingMacro.size()),
                                     g_arrPendingMacro.end());
    WriteMacroSection(entry(0), entry(1), entry(2), lines);
}

void CMacroStore::OnDblclkMacroNameList()
{
    if (HasSelection() && IsWritableName(m_nCurSel))
        DeleteIniSection(m_strRecordIni, m_macroNames[static_cast<size_t>(m_nCurSel)]);
}

void CMacroStore::OnRenameDone()
{
    if (m_macroNames.empty() || g_nCurMacro < 0 || g_nCurMacro >= static_cast<int>(m_macroNames.size()))
        return;
    const CString name = m_macroNames[static_cast<size_t>(g_nCurMacro)];
    if (!PathExists(m_strRecordIni))
        return;
    RewriteMacroList();
    if (!IsWritableName(g_nCurMacro))
        return;
    // The loop count the edit shows now: a change made before the rename
    // must not be lost.
    WriteMacroSection(name, Decimal(g_bDelayOption), m_strLoopEdit, m_keyLines);
}

bool CMacroStore::NewMacro()
{
    if (static_cast<int>(m_macroNames.size()) >= kMaxMacros)
        return false;
    m_macroNames.push_back(NextMacroName(m_macroNames, m_strMacroWord));
    m_loadedPosition.push_back(-1);
    m_nCurSel = static_cast<int>(m_macroNames.size()) - 1;
    m_keyLines.clear();
    m_strLoopTimes = Decimal(1);
    SetLoopEditText(m_strLoopTimes);
    OnMacroNameListSelchange();
    return true;
}

void CMacroStore::OnChangeLoopTimes()
{
    if (m_macroNames.empty())
        return;
    int count = LeadingDecimal(m_strLoopEdit);
    if (count < kMinLoopCount || count > kMaxLoopCount) {
        m_strLoopEdit = L"1";
        count = 1;
    }
    if (!HasSelection())
        return;
    if (m_nCurSel < kMaxMacros)
        SetMacroLoopCount(RecordBytesOf(m_MacroRecords[static_cast<size_t>(m_nCurSel)]), count);
    m_strLoopTimes = Decimal(count);
    if (!IsWritableName(m_nCurSel))
        return;
    // May create the file: it is then created as Unicode like every other.
    WriteIniValue(m_strRecordIni, m_macroNames[static_cast<size_t>(m_nCurSel)], kLoopTimesKey, m_strLoopTimes);
}

void CMacroStore::DeleteMacro()
{
    if (m_macroNames.empty() || !HasSelection())
        return;
    const int removedIndex = m_nCurSel;
    const CString removed = m_macroNames[static_cast<size_t>(removedIndex)];
    // A name the rules refuse may be the list's own section or another
    // macro's: its section is not the removed macro's alone to delete.
    const bool ownsSection = IsWritableName(removedIndex);
    m_macroNames.erase(m_macroNames.begin() + removedIndex);
    m_loadedPosition.erase(m_loadedPosition.begin() + removedIndex);
    m_keyLines.clear();
    m_nCurSel = std::min(removedIndex, static_cast<int>(m_macroNames.size()) - 1);
    RewriteMacroList();
    if (ownsSection)
        DeleteIniSection(m_strRecordIni, removed);
    OnMacroNameListSelchange();
}

void CMacroStore::OnBnMacroSave()
{
    if (m_macroNames.empty())
        return;
    DebugTrace(L"OnBnMacroSave m_lbSelMacro.GetCount()=%d,m_lbSelMacro.GetCurSel()=%d\n",
               static_cast<int>(m_macroNames.size()), m_nCurSel);
    m_MacroRecords.fill(MacroRecord{});
    EncodeMacrosFromIni(m_strRecordIni, kManagerMacroEncoding,
                        [this](int k) { return RecordBytesOf(m_MacroRecords[static_cast<size_t>(k)]); });
}

void CMacroStore::ToggleLoopOption()
{
    g_bLoopOption = g_bLoopOption ? 0 : 1;
    m_bLoopEditEnabled = g_bLoopOption != 0;
    // Without the option the macro plays once: the count the edit still
    // showed would otherwise stay in the store and the record.
    if (!g_bLoopOption)
        SetLoopEditText(Decimal(1));
}

bool CMacroStore::IsAcceptableMacroName(int index, const CString& name) const
{
    return ::IsAcceptableMacroName(m_macroNames, index, name);
}

bool CMacroStore::SetMacroName(int index, const CString& name)
{
    if (index < 0 || index >= static_cast<int>(m_macroNames.size()) || !IsAcceptableMacroName(index, name))
        return false;
    m_macroNames[static_cast<size_t>(index)] = name;
    return true;
}
