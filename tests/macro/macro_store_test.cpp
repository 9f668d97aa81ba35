#include "macro/macro_store.h"

#include "classlib/debug_output.h"
#include "device/clock.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

class MacroStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_bDelayOption = 0;
        g_bLoopOption = 0;
        g_nCurMacro = 0;
        g_arrSelectedMacro.clear();
        g_arrPendingMacro.clear();
        m_store.SetRecordIniPath(m_path.c_str());
        m_store.SetLanguage(L"EN");
    }

    void WriteStore(const std::wstring& text) { WriteUtf16File(m_path, text); }
    Lines FileLines() const { return IniFileLines(m_path); }
    bool FileExists() const { return GetFileAttributesW(m_path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    // Two macros: "a" with two lines, "b" with one.
    void WriteTwoMacros()
    {
        WriteStore(
            L"[MacroName]\r\nMacroCount=2\r\n0=a\r\n1=b\r\n"
            L"[a]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=2\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=A   Up\r\n"
            L"[b]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=B   Dn\r\n");
    }

    void Select(int index)
    {
        m_store.SetCurSel(index);
        m_store.OnMacroNameListSelchange();
    }

    TempFolder m_folder;
    std::wstring m_path = m_folder.file(L"record.ini");
    VirtualClock m_clock;
    ScopedClock m_useClock{m_clock};
    CMacroStore m_store;
};

const Lines kMacroA = {L"[a]",         L"DelayTimeSelStatus=0", L"MacroLoopTimes=2",
                       L"ItemCount=2", L"Item0=A   Dn",         L"Item1=A   Up"};

Lines Joined(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(MacroStoreTest, LoadWithoutMacrosLeavesTheListEmptyAndTheEditDisabled)
{
    m_store.LoadMacrosFromIni();
    EXPECT_TRUE(m_store.MacroNames().empty());
    EXPECT_FALSE(m_store.IsLoopEditEnabled());
    EXPECT_FALSE(FileExists());

    WriteStore(L"[MacroName]\r\nMacroCount=0\r\n0=\r\n");
    m_store.LoadMacrosFromIni();
    EXPECT_TRUE(m_store.MacroNames().empty());
    EXPECT_EQ(m_store.CurSel(), -1);
}

TEST_F(MacroStoreTest, LoadListsEveryMacroAndLoadsTheFirst)
{
    WriteStore(
        L"[MacroName]\r\nMacroCount=2\r\n0=first\r\n1=second\r\n"
        L"[first]\r\nDelayTimeSelStatus=2\r\nMacroLoopTimes=3\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=A   Up\r\n"
        L"[second]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=B   Dn\r\n");
    const Lines before = FileLines();
    m_store.LoadMacrosFromIni();

    EXPECT_EQ(m_store.MacroNames(), (std::vector<CString>{L"first", L"second"}));
    EXPECT_EQ(m_store.CurSel(), 0);
    EXPECT_EQ(m_store.KeyLines(), (std::vector<CString>{L"A   Dn", L"A   Up"}));
    EXPECT_EQ(m_store.LoopEditText(), L"3");
    EXPECT_EQ(g_bLoopOption, 1);
    EXPECT_TRUE(m_store.IsLoopEditEnabled());
    EXPECT_EQ(g_arrSelectedMacro, (std::vector<CString>{L"first", L"3", L"A   Dn", L"A   Up"}));
    // The first macro's "2" neither sets nor clears: the last listed macro's
    // option stays.
    EXPECT_EQ(g_bDelayOption, 1);
    EXPECT_EQ(FileLines(), before) << "loading rewrites only the loop count, in place";
}

TEST_F(MacroStoreTest, SelectingAMacroWithoutALoopCountWritesOne)
{
    WriteStore(
        L"[MacroName]\r\nMacroCount=2\r\n0=a\r\n1=b\r\n[a]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=2\r\n"
        L"[b]\r\nItemCount=1\r\nItem0=B   Dn\r\n");
    m_store.LoadMacrosFromIni();
    EXPECT_EQ(g_bDelayOption, 1);
    Select(1);
    EXPECT_EQ(m_store.LoopEditText(), L"1");
    EXPECT_EQ(g_arrSelectedMacro[1], L"") << "the snapshot keeps the text as read";
    EXPECT_EQ(g_bDelayOption, 0) << "a missing option clears it";
    EXPECT_EQ(g_bLoopOption, 0);
    EXPECT_EQ(g_nCurMacro, 1);
    EXPECT_EQ(m_store.m_MacroRecords[1].LoopCount, (std::array<uint8_t, 2>{0, 1}));
    EXPECT_EQ(FileLines(), (Lines{L"[MacroName]", L"MacroCount=2", L"0=a", L"1=b", L"[a]", L"DelayTimeSelStatus=1",
                                  L"MacroLoopTimes=2", L"[b]", L"ItemCount=1", L"Item0=B   Dn", L"MacroLoopTimes=1"}));
}

TEST_F(MacroStoreTest, WritingTheSelectedMacroRebuildsTheListThenItsSection)
{
    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    Select(1);
    m_store.KeyLines() = {L"C   Dn", L"50 ms", L"C   Up"};
    g_bDelayOption = 1;
    m_store.SetLoopEditText(L"5");
    m_clock.ClearPauses();

    m_store.OnWriteMacroToIni();
    EXPECT_EQ(FileLines(), Joined({kMacroA,
                                   {L"[MacroName]", L"MacroCount=2", L"0=a", L"1=b"},
                                   {L"[b]", L"DelayTimeSelStatus=1", L"MacroLoopTimes=5", L"ItemCount=3",
                                    L"Item0=C   Dn", L"Item1=50 ms", L"Item2=C   Up"}}));
    EXPECT_EQ(m_store.m_strLoopTimes, L"5");
    EXPECT_EQ(m_clock.Pauses(), (std::vector<DWORD>{100}));
}

TEST_F(MacroStoreTest, WritingAMacroWithoutLinesRemovesItsSectionAndRecord)
{
    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    m_store.m_MacroRecords[0].Event[0] = {0x05, 0x04};
    m_store.KeyLines().clear();
    m_clock.ClearPauses();
    m_store.OnWriteMacroToIni();
    EXPECT_EQ(FileLines(), (Lines{L"[b]", L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=1", L"Item0=B   Dn",
                                  L"[MacroName]", L"MacroCount=2", L"0=a", L"1=b"}));
    EXPECT_EQ(m_store.m_MacroRecords[0].LoopCount, (std::array<uint8_t, 2>{0, 0}));
    EXPECT_EQ(m_store.m_MacroRecords[0].Event[0].A, 0);
    EXPECT_TRUE(m_clock.Pauses().empty());
}

TEST_F(MacroStoreTest, WritersThatNeedTheFileDoNothingWithoutIt)
{
    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    DeleteFileW(m_path.c_str());
    m_store.OnWriteMacroToIni();
    m_store.OnRenameDone();
    g_arrPendingMacro = {L"a", L"0", L"1", L"A   Dn"};
    m_store.WritePendingMacro();
    EXPECT_FALSE(FileExists());
}

TEST_F(MacroStoreTest, DeletingTheOnlyMacroLeavesAnEmptyList)
{
    WriteStore(L"[MacroName]\r\nMacroCount=1\r\n0=a\r\n[a]\r\nMacroLoopTimes=2\r\nItemCount=1\r\nItem0=A   Dn\r\n");
    m_store.LoadMacrosFromIni();
    m_store.DeleteMacro();
    EXPECT_TRUE(m_store.MacroNames().empty());
    EXPECT_EQ(m_store.CurSel(), -1);
    EXPECT_TRUE(m_store.KeyLines().empty());
    EXPECT_EQ(FileLines(), (Lines{L"[MacroName]", L"MacroCount=0", L"0="}));
}

TEST_F(MacroStoreTest, DeletingKeepsTheIndexSelectedOrTakesTheLast)
{
    WriteStore(
        L"[MacroName]\r\nMacroCount=3\r\n0=a\r\n1=b\r\n2=c\r\n"
        L"[a]\r\nMacroLoopTimes=2\r\n[b]\r\nMacroLoopTimes=3\r\n[c]\r\nMacroLoopTimes=4\r\n");
    m_store.LoadMacrosFromIni();
    Select(1);
    m_store.DeleteMacro();
    EXPECT_EQ(m_store.MacroNames(), (std::vector<CString>{L"a", L"c"}));
    EXPECT_EQ(m_store.CurSel(), 1);
    EXPECT_EQ(m_store.LoopEditText(), L"4") << "the macro now at the index is loaded";
    EXPECT_EQ(FileLines(), (Lines{L"[a]", L"MacroLoopTimes=2", L"[c]", L"MacroLoopTimes=4", L"[MacroName]",
                                  L"MacroCount=2", L"0=a", L"1=c"}));

    m_store.DeleteMacro();
    EXPECT_EQ(m_store.CurSel(), 0);
    EXPECT_EQ(m_store.LoopEditText(), L"2");
}

TEST_F(MacroStoreTest, NewMacroTakesTheNextNameAndWritesItsLoopCountAtOnce)
{
    WriteStore(L"[MacroName]\r\nMacroCount=2\r\n0=Macro_2\r\n1=Macro_3\r\n");
    m_store.LoadMacrosFromIni();
    g_bDelayOption = 1;
    EXPECT_TRUE(m_store.NewMacro());
    EXPECT_EQ(m_store.MacroNames().back(), L"Macro_4");
    EXPECT_EQ(m_store.CurSel(), 2);
    EXPECT_EQ(m_store.LoopEditText(), L"1");
    EXPECT_TRUE(m_store.KeyLines().empty());
    EXPECT_EQ(g_bDelayOption, 0) << "the new macro's missing option is loaded";
    // Loading the first macro wrote its missing loop count; the list itself
    // is rewritten by the next write of the selected macro.
    EXPECT_EQ(FileLines(), (Lines{L"[MacroName]", L"MacroCount=2", L"0=Macro_2", L"1=Macro_3", L"[Macro_2]",
                                  L"MacroLoopTimes=1", L"[Macro_4]", L"MacroLoopTimes=1"}));
}

TEST_F(MacroStoreTest, AStoreCreatedByTheProgramIsUnicodeAndKeepsItsNames)
{
    m_store.SetLanguage(L"CHS");
    m_store.NewMacro();
    EXPECT_EQ(m_store.MacroNames().back(), L"宏_1");
    bool hasMark = false;
    ReadUtf16File(m_path, &hasMark);
    EXPECT_TRUE(hasMark);

    m_store.KeyLines() = {L"A   Dn"};
    m_store.OnWriteMacroToIni();
    CMacroStore reopened;
    reopened.SetRecordIniPath(m_path.c_str());
    reopened.LoadMacrosFromIni();
    EXPECT_EQ(reopened.MacroNames(), (std::vector<CString>{L"宏_1"}));
    EXPECT_EQ(reopened.KeyLines(), (std::vector<CString>{L"A   Dn"}));
}

TEST_F(MacroStoreTest, LoopCountsOutsideTheRangeBecomeOne)
{
    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    for (const wchar_t* typed : {L"0", L"70000", L"abc", L"99999999999"}) {
        m_store.SetLoopEditText(typed);
        EXPECT_EQ(m_store.LoopEditText(), L"1") << testing::PrintToString(std::wstring(typed));
        EXPECT_EQ(m_store.m_MacroRecords[0].LoopCount, (std::array<uint8_t, 2>{0, 1}));
    }
    m_store.SetLoopEditText(L"300");
    EXPECT_EQ(m_store.m_MacroRecords[0].LoopCount, (std::array<uint8_t, 2>{0x01, 0x2C}));
    EXPECT_EQ(m_store.m_strLoopTimes, L"300");
    Lines expected = kMacroA;
    expected[2] = L"MacroLoopTimes=300";
    EXPECT_EQ(FileLines(),
              Joined({{L"[MacroName]", L"MacroCount=2", L"0=a", L"1=b"},
                      expected,
                      {L"[b]", L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=1", L"Item0=B   Dn"}}))
        << "the loop count is written in place";
}

TEST_F(MacroStoreTest, RenameMovesTheSectionAndKeepsTheLoopCountShownNow)
{
    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    m_store.SetLoopEditText(L"7");
    m_store.OnDblclkMacroNameList();
    EXPECT_EQ(FileLines().size(), 4u + 5u) << "the section is gone while the name is edited";

    EXPECT_TRUE(m_store.SetMacroName(0, L"renamed"));
    m_store.OnRenameDone();
    EXPECT_EQ(FileLines(),
              (Lines{L"[b]", L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=1", L"Item0=B   Dn",
                     L"[MacroName]", L"MacroCount=2", L"0=renamed", L"1=b", L"[renamed]", L"DelayTimeSelStatus=0",
                     L"MacroLoopTimes=7", L"ItemCount=2", L"Item0=A   Dn", L"Item1=A   Up"}));
}

TEST_F(MacroStoreTest, ARefusedNameKeepsTheMacroUnderItsOldName)
{
    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    m_store.OnDblclkMacroNameList();
    EXPECT_FALSE(m_store.SetMacroName(0, L"B"));
    EXPECT_FALSE(m_store.SetMacroName(0, L"MacroName"));
    EXPECT_FALSE(m_store.SetMacroName(5, L"new"));
    m_store.OnRenameDone();
    EXPECT_EQ(m_store.MacroNames(), (std::vector<CString>{L"a", L"b"}));
    const Lines lines = FileLines();
    EXPECT_EQ(Lines(lines.end() - 6, lines.end()), kMacroA);
}

TEST_F(MacroStoreTest, APendingRecordingIsWrittenToTheMacroWhereItBegan)
{
    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    Select(1);
    g_arrPendingMacro = {L"a", L"1", L"4", L"X   Dn", L"20 ms", L"X   Up"};
    m_store.WritePendingMacro();
    EXPECT_EQ(FileLines(),
              (Lines{L"[b]", L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=1", L"Item0=B   Dn",
                     L"[MacroName]", L"MacroCount=2", L"0=a", L"1=b", L"[a]", L"DelayTimeSelStatus=1",
                     L"MacroLoopTimes=4", L"ItemCount=3", L"Item0=X   Dn", L"Item1=20 ms", L"Item2=X   Up"}));
}

TEST_F(MacroStoreTest, NamesPastTheTwelfthAreListedButHaveNoRecord)
{
    std::wstring text = L"[MacroName]\r\nMacroCount=13\r\n";
    for (int i = 0; i < 13; ++i)
        text += std::to_wstring(i) + L"=m" + std::to_wstring(i) + L"\r\n";
    WriteStore(text);
    m_store.LoadMacrosFromIni();
    ASSERT_EQ(m_store.MacroNames().size(), 13u);
    const auto recordsBefore = m_store.m_MacroRecords;

    Select(12);
    m_store.SetLoopEditText(L"9");
    m_store.KeyLines().clear();
    m_store.OnWriteMacroToIni();
    m_store.KeyLines() = {L"A   Dn"};
    m_store.OnWriteMacroToIni();
    EXPECT_EQ(std::memcmp(&m_store.m_MacroRecords, &recordsBefore, sizeof recordsBefore), 0);
    const Lines lines = FileLines();
    EXPECT_EQ(Lines(lines.end() - 5, lines.end()),
              (Lines{L"[m12]", L"DelayTimeSelStatus=0", L"MacroLoopTimes=9", L"ItemCount=1", L"Item0=A   Dn"}));

    EXPECT_FALSE(m_store.NewMacro()) << "no more than twelve";
    EXPECT_EQ(m_store.MacroNames().size(), 13u);
    EXPECT_EQ(FileLines(), lines);
}

TEST_F(MacroStoreTest, CountsAreBelievedOnlyAsFarAsTheirKeysArePresent)
{
    WriteStore(
        L"[MacroName]\r\nMacroCount=2000000000\r\n0=a\r\n1=\r\n3=c\r\n"
        L"[a]\r\nMacroLoopTimes=1\r\nItemCount=4096\r\nItem0=A   Dn\r\nItem2=A   Up\r\n");
    m_store.LoadMacrosFromIni();
    EXPECT_EQ(m_store.MacroNames(), (std::vector<CString>{L"a", L"c"})) << "entries without a name are no macros";
    EXPECT_EQ(m_store.KeyLines(), (std::vector<CString>{L"A   Dn", L"", L"A   Up"}));

    // An edit writes back the lines the macro has, not the count it claimed.
    m_store.OnWriteMacroToIni();
    EXPECT_EQ(FileLines(), (Lines{L"[MacroName]", L"MacroCount=2", L"0=a", L"1=c", L"[a]", L"DelayTimeSelStatus=0",
                                  L"MacroLoopTimes=1", L"ItemCount=3", L"Item0=A   Dn", L"Item1=", L"Item2=A   Up"}));
}

TEST_F(MacroStoreTest, NothingIsWrittenUnderANameTheRulesRefuse)
{
    // "MacroName" is the list's own section; "b" and "B" share one section.
    // The list comes last, where its rewrite puts it.
    WriteStore(
        L"[a]\r\nMacroLoopTimes=2\r\nItemCount=1\r\nItem0=A   Dn\r\n"
        L"[b]\r\nMacroLoopTimes=3\r\nItemCount=1\r\nItem0=B   Dn\r\n"
        L"[MacroName]\r\nMacroCount=4\r\n0=a\r\n1=MacroName\r\n2=b\r\n3=B\r\n");
    m_store.LoadMacrosFromIni();
    EXPECT_EQ(m_store.MacroNames(), (std::vector<CString>{L"a", L"MacroName", L"b", L"B"}));
    const Lines before = FileLines();
    for (int refused : {1, 2, 3}) {
        Select(refused);
        EXPECT_EQ(m_store.LoopEditText(), refused == 1 ? L"1" : L"3") << "shown as the file has it";
        m_store.SetLoopEditText(L"9");
        m_store.KeyLines() = {L"X   Dn"};
        m_store.OnWriteMacroToIni();
        m_store.OnDblclkMacroNameList();
        m_store.OnRenameDone();
        g_arrPendingMacro = {m_store.MacroNames()[static_cast<size_t>(refused)], L"0", L"1", L"Y   Dn"};
        m_store.WritePendingMacro();
        m_store.ToggleLoopOption();
        EXPECT_EQ(FileLines(), before) << "macro " << refused << ": the list is rewritten as it was, nothing else";
    }
    m_store.DeleteMacro();
    EXPECT_EQ(FileLines(),
              (Lines{L"[a]", L"MacroLoopTimes=2", L"ItemCount=1", L"Item0=A   Dn", L"[b]", L"MacroLoopTimes=3",
                     L"ItemCount=1", L"Item0=B   Dn", L"[MacroName]", L"MacroCount=3", L"0=a", L"1=MacroName", L"2=b"}))
        << "deleting B keeps b's section";
    // Now "b" has it alone.
    m_store.SetLoopEditText(L"4");
    EXPECT_EQ(FileLines()[5], L"MacroLoopTimes=4");
}

TEST_F(MacroStoreTest, UntickingTheLoopBoxMakesTheMacroPlayOnce)
{
    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    m_store.SetLoopEditText(L"5");
    EXPECT_EQ(g_bLoopOption, 1);
    m_store.ToggleLoopOption();
    EXPECT_EQ(g_bLoopOption, 0);
    EXPECT_FALSE(m_store.IsLoopEditEnabled());
    EXPECT_EQ(m_store.LoopEditText(), L"1");
    EXPECT_EQ(m_store.m_MacroRecords[0].LoopCount, (std::array<uint8_t, 2>{0, 1}));
    EXPECT_EQ(FileLines(),
              Joined({{L"[MacroName]", L"MacroCount=2", L"0=a", L"1=b"},
                      {L"[a]", L"DelayTimeSelStatus=0", L"MacroLoopTimes=1", L"ItemCount=2", L"Item0=A   Dn",
                       L"Item1=A   Up"},
                      {L"[b]", L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=1", L"Item0=B   Dn"}}));
    // Selected again the box stays off; ticked on, the count stays 1.
    Select(0);
    EXPECT_EQ(g_bLoopOption, 0);
    m_store.ToggleLoopOption();
    EXPECT_EQ(g_bLoopOption, 1);
    EXPECT_EQ(m_store.LoopEditText(), L"1");
}

TEST_F(MacroStoreTest, SaveOnOkRebuildsAllTwelveRecords)
{
    for (auto& record : m_store.m_MacroRecords)
        record.Event[0] = {0xEE, 0xEE};
    m_store.OnBnMacroSave();
    EXPECT_EQ(m_store.m_MacroRecords[5].Event[0].A, 0xEE) << "nothing happens with an empty list";

    WriteTwoMacros();
    m_store.LoadMacrosFromIni();
    Select(1);
    std::vector<std::wstring> texts;
    const DebugSink previous = SetDebugSink([&](const std::wstring& t) { texts.push_back(t); });
    m_store.OnBnMacroSave();
    SetDebugSink(previous);

    EXPECT_EQ(texts.at(0), L"OnBnMacroSave m_lbSelMacro.GetCount()=2,m_lbSelMacro.GetCurSel()=1\n");
    const auto& a = m_store.m_MacroRecords[0];
    EXPECT_EQ(a.LoopCount, (std::array<uint8_t, 2>{0, 2}));
    EXPECT_EQ(a.Event[0].A, 0x05) << "the manager's shortest pause is 50 ms";
    EXPECT_EQ(a.Event[1].A, 0x85);
    EXPECT_EQ(m_store.m_MacroRecords[1].Event[0].B, 0x05);
    EXPECT_EQ(m_store.m_MacroRecords[5].Event[0].A, 0x00) << "records past the list are cleared";
}

}  // namespace

// After the window's edits, each macro the list was loaded with is found
// where it stands now: a delete moves the later ones up and leaves -1 for
// the deleted one; a rename or a new macro moves nothing; loading again
// starts afresh.
TEST_F(MacroStoreTest, OpenedMacrosAreFollowedToWhereTheyStandNow)
{
    WriteStore(L"[MacroName]\r\nMacroCount=4\r\n0=a\r\n1=b\r\n2=c\r\n3=d\r\n");
    m_store.LoadMacrosFromIni();
    EXPECT_EQ(m_store.OpenedMacroPositions(), (std::vector<int>{0, 1, 2, 3}));

    Select(1);
    m_store.DeleteMacro();  // b
    EXPECT_EQ(m_store.OpenedMacroPositions(), (std::vector<int>{0, -1, 1, 2}));

    ASSERT_TRUE(m_store.NewMacro());
    ASSERT_TRUE(m_store.SetMacroName(1, L"c2"));
    Select(0);
    m_store.DeleteMacro();  // a
    EXPECT_EQ(m_store.MacroNames(), (std::vector<CString>{L"c2", L"d", L"Macro_4"}));
    EXPECT_EQ(m_store.OpenedMacroPositions(), (std::vector<int>{-1, -1, 0, 1}));
    const MacroListChange change = m_store.ListChange();
    EXPECT_EQ(change.namesBefore, (std::vector<CString>{L"a", L"b", L"c", L"d"}));
    EXPECT_EQ(change.positionNow, (std::vector<int>{-1, -1, 0, 1}));
    EXPECT_EQ(change.namesNow, m_store.MacroNames());

    m_store.LoadMacrosFromIni();
    EXPECT_EQ(m_store.OpenedMacroPositions(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(m_store.ListChange().namesBefore, m_store.MacroNames());
}

// A window that opens without loading (its picture is missing) sees no
// change: the edits of its last showing were followed when it closed, and
// must not be followed twice.
TEST_F(MacroStoreTest, TakingTheListAsLoadedForgetsEarlierEdits)
{
    WriteStore(L"[MacroName]\r\nMacroCount=3\r\n0=a\r\n1=b\r\n2=c\r\n");
    m_store.LoadMacrosFromIni();
    Select(0);
    m_store.DeleteMacro();
    ASSERT_TRUE(MovesOrRenamesMacros(m_store.ListChange()));

    m_store.TakeListAsLoaded();

    const MacroListChange change = m_store.ListChange();
    EXPECT_EQ(change.namesBefore, (std::vector<CString>{L"b", L"c"}));
    EXPECT_EQ(change.positionNow, (std::vector<int>{0, 1}));
    EXPECT_FALSE(MovesOrRenamesMacros(change));
}
