#include "storage/profile_list.h"

#include "classlib/debug_output.h"
#include "profile_folder.h"
#include "storage/ini_file.h"
#include "storage/new_profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <vector>

namespace {

using Names = std::vector<CString>;

std::wstring Joined(const std::vector<CString>& items)
{
    std::wstring text;
    for (const CString& item : items)
        text += L"[" + item.str() + L"]";
    return text;
}

class ProfileListTest : public testing::Test {
protected:
    std::wstring StrIni() const { return data.Path(L"str.ini"); }

    void WriteList(const std::wstring& profileSection)
    {
        WriteUtf16File(StrIni(), L"[Setting-EN]\r\nItem1=factory\r\n[Profile]\r\n" + profileSection);
    }

    ProfileFolder data;
};

TEST_F(ProfileListTest, OnlyACountOfOneToSixNamesItems)
{
    struct Case {
        const wchar_t* itemCount;  // null: no key at all
        int parsed;
        size_t items;
    };
    const Case cases[] = {
        {L"1", 1, 1},
        {L"6", 6, 6},
        {L" 3 profiles", 3, 3},
        {L"0", 0, 0},
        {L"7", 7, 0},
        {L"2147483647", INT_MAX, 0},
        {L"99999999999999999999", INT_MAX, 0},  // held at the largest int, not wrapped into 1..6
        {L"4294967298", INT_MAX, 0},            // would wrap to 2 in 32 bits
        {L"-1", -1, 0},
        {L"-99999999999", INT_MIN, 0},
        {L"", 0, 0},
        {L"six", 0, 0},
        {nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        std::wstring section = L"CurProfileName=B\r\n";
        if (c.itemCount)
            section += L"ItemCount=" + std::wstring(c.itemCount) + L"\r\n";
        for (int i = 0; i < 8; ++i)
            section += L"Item" + std::to_wstring(i) + L"=N" + std::to_wstring(i) + L"\r\n";
        WriteList(section);
        const ProfileList list = ReadProfileList(StrIni().c_str());
        const std::wstring label = c.itemCount ? c.itemCount : L"(missing)";
        EXPECT_EQ(list.itemCount, c.parsed) << label;
        EXPECT_EQ(list.items.size(), c.items) << label;
        EXPECT_EQ(IsValidProfileCount(list.itemCount), c.items > 0) << label;
        EXPECT_EQ(list.current, L"B") << label;
        for (size_t i = 0; i < list.items.size(); ++i)
            EXPECT_EQ(list.items[i], (L"N" + std::to_wstring(i)).c_str());
    }

    DeleteFileW(StrIni().c_str());
    const ProfileList missing = ReadProfileList(StrIni().c_str());
    EXPECT_EQ(missing.itemCount, 0);
    EXPECT_TRUE(missing.items.empty());
}

TEST(ProfileListRules, TheCurrentProfileIsTheLastItemNamedExactly)
{
    struct Case {
        Names items;
        const wchar_t* name;
        int found;
    };
    const Case cases[] = {
        // A name that starts another name finds only itself, wherever it stands.
        {{L"Game", L"Game 2"}, L"Game", 0},
        {{L"Game 2", L"Game"}, L"Game", 1},
        {{L"Game", L"Game 2"}, L"Game 2", 1},
        {{L"Game", L"Game 2"}, L"Gam", -1},
        {{L"Game", L"Game 2"}, L"game", -1},
        {{L"Profile 3", L"Profile 2", L"Profile 3"}, L"Profile 3", 2},
        {{L"A", L"B"}, L"Gone", -1},
        {{L"A", L""}, L"", 1},
        {{}, L"A", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindProfileByName(c.items, c.name), c.found) << Joined(c.items) << " " << std::wstring(c.name);
}

TEST(ProfileListRules, AListClosesOnItsSelectionElseTheCurrentProfileElseTheFirst)
{
    struct Case {
        int selection, current, count, closing;
    };
    const Case cases[] = {
        {2, 0, 3, 2}, {-1, 1, 3, 1}, {-1, 5, 3, 0}, {7, 1, 3, 1}, {-1, -1, 1, 0}, {-1, 0, 0, -1}, {0, 0, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClosingProfileIndex(c.selection, c.current, c.count), c.closing)
            << c.selection << " " << c.current << " " << c.count;
}

TEST(ProfileListRules, NewNamesCountOnFromTheLastItem)
{
    struct Case {
        Names items;
        const wchar_t* name;
    };
    const Case cases[] = {
        {{}, L"Profile 1"},
        {{L"Profile 1", L"Profile 2", L"Profile 3", L"Profile 4", L"Profile 5"}, L"Profile 6"},
        {{L"A", L"B", L"Game"}, L"Game 3"},
        {{L"My Profile 2"}, L"Profile 1"},  // "Profile 2" has no leading number
        {{L"Game 41"}, L"Profile 42"},
        {{L"X  7"}, L"Profile 8"},  // blanks before the number are skipped
        {{L"X -5"}, L"Profile -4"},
        {{L"X 2147483647"}, L"Profile 2147483648"},
        {{L"X 99999999999999999999"}, L"Profile 2147483648"},  // saturates, never wraps
        {{L"X -99999999999999999999"}, L"Profile -2147483647"},
        {{L"X "}, L"Profile 1"},
        // A name the list holds already would make the current profile
        // ambiguous in str.ini: the number counts on to a free one.
        {{L"Profile 1", L"Copy Profile 1"}, L"Profile 2"},
        {{L"Profile 1", L"Profile 2", L"Copy Profile 1"}, L"Profile 3"},
        {{L"Game 2", L"Game"}, L"Game 3"},
        {{L"Game 2", L"Game 3", L"Game"}, L"Game 4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NewProfileName(L"Profile", c.items), c.name) << Joined(c.items);
}

TEST(ProfileListRules, CopiesAreNamedAfterTheCopiedProfileAndNeverTwice)
{
    struct Case {
        Names items;
        const wchar_t* copied;
        const wchar_t* name;
    };
    const Case cases[] = {
        {{L"Fast"}, L"Fast", L"Copy Fast"},
        {{L"Fast", L"Copy Fast"}, L"Fast", L"Copy Fast 2"},
        {{L"Fast", L"Copy Fast", L"Copy Fast 2"}, L"Fast", L"Copy Fast 3"},
        {{L"Fast", L"copy fast"}, L"Fast", L"Copy Fast"},  // names differ in letter case
    };
    for (const Case& c : cases)
        EXPECT_EQ(CopyProfileName(L"Copy", c.copied, c.items), c.name) << Joined(c.items);
}

TEST_F(ProfileListTest, WritingReplacesTheSectionAndLeavesTheRestOfTheFile)
{
    WriteList(L"CurProfileName=Old\r\nItemCount=5\r\nItem0=Old\r\nItem4=Stale\r\nOther=x\r\n");
    const Names items = {L"One", L"Two words", L"三"};
    EXPECT_TRUE(WriteProfileList(StrIni().c_str(), items, 1));

    const ProfileList list = ReadProfileList(StrIni().c_str());
    EXPECT_EQ(list.itemCount, 3);
    EXPECT_EQ(list.items, items);
    EXPECT_EQ(list.current, L"Two words");
    EXPECT_TRUE(ReadIniValue(StrIni().c_str(), L"Profile", L"Item4").IsEmpty());
    EXPECT_EQ(ReadIniValue(StrIni().c_str(), L"Setting-EN", L"Item1"), L"factory");
}

TEST_F(ProfileListTest, AListThatCannotBeWrittenWipesNothing)
{
    const std::wstring original = L"CurProfileName=A\r\nItemCount=2\r\nItem0=A\r\nItem1=B\r\n";
    WriteList(original);
    const std::wstring before = ReadUtf16File(StrIni());

    EXPECT_FALSE(WriteProfileList(StrIni().c_str(), Names{}, 0));
    EXPECT_FALSE(WriteProfileList(StrIni().c_str(), Names{L"A"}, 1));
    EXPECT_FALSE(WriteProfileList(StrIni().c_str(), Names{L"A"}, -1));
    EXPECT_EQ(ReadUtf16File(StrIni()), before);

    DeleteFileW(StrIni().c_str());
    EXPECT_FALSE(WriteProfileList(StrIni().c_str(), Names{L"A"}, 0));
    EXPECT_EQ(GetFileAttributesW(StrIni().c_str()), INVALID_FILE_ATTRIBUTES) << "str.ini is never made here";
}

TEST(ProfileListRules, ADeleteMovesLaterSlotsDownAndTheDeletedOneBehindThem)
{
    struct Case {
        int deleted, count;
        ProfileFileMoves moves;
    };
    const Case cases[] = {
        {0, 4, {3, 0, 1, 2, 4, 5}}, {1, 4, {0, 3, 1, 2, 4, 5}}, {3, 4, {0, 1, 2, 3, 4, 5}},
        {0, 6, {5, 0, 1, 2, 3, 4}}, {4, 6, {0, 1, 2, 3, 5, 4}}, {0, 2, {1, 0, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MovesForDelete(c.deleted, c.count), c.moves) << c.deleted << " of " << c.count;
        const ProfileFileMoves back = ReversedMoves(c.moves);
        for (int slot = 0; slot < kProfileCount; ++slot)
            EXPECT_EQ(back[static_cast<size_t>(c.moves[static_cast<size_t>(slot)])], slot);
    }
}

class ProfileFileMovesTest : public ProfileListTest {
protected:
    void SetUp() override
    {
        m_previousSink = SetDebugSink([](const std::wstring&) {});
        for (int slot = 0; slot < kProfileCount; ++slot)
            WriteSlot(slot);
    }
    void TearDown() override { SetDebugSink(m_previousSink); }

    std::wstring ProfilePath(int slot) const { return data.Path(L"config" + std::to_wstring(slot) + L".bin"); }
    std::wstring CaptionPath(int slot) const { return data.Path(L"str" + std::to_wstring(slot) + L".ini"); }

    // Slot `slot` holds a record and captions of its own, marked with `mark`.
    void WriteSlot(int slot, int mark = -1)
    {
        if (mark < 0)
            mark = slot;
        SettingsRecord record{};
        record.PointerSpeed = static_cast<uint8_t>(0x10 + mark);
        record.MacroSlot[3].fill(static_cast<uint8_t>(0xA0 + mark));
        data.WriteProfile(ProfilePath(slot), record, 0);
        data.WriteCaptions(CaptionPath(slot), L"P" + std::to_wstring(mark) + L"-");
    }

    // Which slot's content `slot` holds now (-1 when missing).
    int MarkOf(int slot) const
    {
        const std::vector<unsigned char> bytes = ReadBinaryFile(ProfilePath(slot));
        if (bytes.empty())
            return -1;
        const int mark = bytes[1 + offsetof(SettingsRecord, PointerSpeed)] - 0x10;
        const std::wstring captions = ReadUtf16File(CaptionPath(slot));
        EXPECT_NE(captions.find(L"Item1=P" + std::to_wstring(mark) + L"-1"), std::wstring::npos)
            << "slot " << slot << ": the captions moved with the record";
        return mark;
    }
    std::vector<int> Marks() const
    {
        std::vector<int> marks;
        for (int slot = 0; slot < kProfileCount; ++slot)
            marks.push_back(MarkOf(slot));
        return marks;
    }
    bool NoTemporaryFiles() const
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(data.Path(L"*.tmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return true;
        FindClose(search);
        return false;
    }

    CString Module() const { return TestModulePath(); }

    DebugSink m_previousSink;
};

TEST_F(ProfileFileMovesTest, EachProfileKeepsItsRecordAndCaptionsThroughADelete)
{
    ASSERT_TRUE(MoveProfileFiles(Module(), MovesForDelete(1, 4)));
    EXPECT_EQ(Marks(), (std::vector<int>{0, 2, 3, 1, 4, 5}));

    // A moved profile file keeps every byte, its flag byte (0 here) included.
    const std::vector<unsigned char> moved = ReadBinaryFile(ProfilePath(1));
    ASSERT_EQ(moved.size(), kProfileFileSize);
    EXPECT_EQ(moved[0], 0);
    EXPECT_EQ(moved[1 + offsetof(SettingsRecord, MacroSlot) + 3 * sizeof(g_Settings.MacroSlot[0])], 0xA2);
    EXPECT_TRUE(NoTemporaryFiles());

    ASSERT_TRUE(MoveProfileFiles(Module(), ReversedMoves(MovesForDelete(1, 4))));
    EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(ProfileFileMovesTest, MissingAndOddSizedFilesMoveAsTheyAre)
{
    DeleteFileW(ProfilePath(2).c_str());
    DeleteFileW(CaptionPath(2).c_str());
    const unsigned char shortFile[] = {1, 2, 3};
    WriteBinaryFile(ProfilePath(3), shortFile, sizeof shortFile);

    ASSERT_TRUE(MoveProfileFiles(Module(), MovesForDelete(0, 4)));
    EXPECT_EQ(ReadBinaryFile(ProfilePath(2)), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(GetFileAttributesW(ProfilePath(1).c_str()), INVALID_FILE_ATTRIBUTES) << "slot 2 was missing";
    EXPECT_EQ(GetFileAttributesW(CaptionPath(1).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(MarkOf(0), 1);
    EXPECT_EQ(MarkOf(3), 0);
}

TEST_F(ProfileFileMovesTest, AFileThatCannotBeReadOrReplacedMovesNothing)
{
    // Held open without sharing by another program: it cannot even be read.
    HANDLE lock = CreateFileW(CaptionPath(3).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(MoveProfileFiles(Module(), MovesForDelete(0, 4)));
    CloseHandle(lock);
    EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    // Readable but not replaceable, and written last (slot 3 goes to 2):
    // the files written before it are put back.
    lock = CreateFileW(ProfilePath(2).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(MoveProfileFiles(Module(), MovesForDelete(0, 4)));
    CloseHandle(lock);
    EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(NoTemporaryFiles());
}

TEST_F(ProfileFileMovesTest, MovesThatAreNotAPermutationAreRefused)
{
    EXPECT_FALSE(MoveProfileFiles(Module(), ProfileFileMoves{0, 0, 2, 3, 4, 5}));
    EXPECT_FALSE(MoveProfileFiles(Module(), ProfileFileMoves{0, 1, 2, 3, 4, 6}));
    EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(ProfileFileMovesTest, ACopyTakesTheCopiedProfilesFilesAndLeavesThemAsTheyAre)
{
    const std::vector<unsigned char> profile = ReadBinaryFile(ProfilePath(1));
    const std::vector<unsigned char> captions = ReadBinaryFile(CaptionPath(1));
    ASSERT_TRUE(CopyProfileFiles(Module(), 1, 4));
    EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 2, 3, 1, 5}));
    EXPECT_EQ(ReadBinaryFile(ProfilePath(4)), profile) << "byte for byte, the flag byte (0 here) included";
    EXPECT_EQ(ReadBinaryFile(CaptionPath(4)), captions);
    EXPECT_EQ(ReadBinaryFile(ProfilePath(1)), profile);
    EXPECT_EQ(ReadBinaryFile(CaptionPath(1)), captions);
    EXPECT_TRUE(NoTemporaryFiles());

    // A file the copied profile lacks is lacking in the copy too.
    DeleteFileW(CaptionPath(2).c_str());
    ASSERT_TRUE(CopyProfileFiles(Module(), 2, 5));
    EXPECT_EQ(ReadBinaryFile(ProfilePath(5)), ReadBinaryFile(ProfilePath(2)));
    EXPECT_EQ(GetFileAttributesW(CaptionPath(5).c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_FALSE(CopyProfileFiles(Module(), 3, 3));
    EXPECT_FALSE(CopyProfileFiles(Module(), -1, 3));
    EXPECT_FALSE(CopyProfileFiles(Module(), 0, kProfileCount));
    EXPECT_EQ(MarkOf(3), 3);
}

TEST_F(ProfileFileMovesTest, ACopyThatCannotBeWrittenLeavesTheSlotAsItWas)
{
    // The caption file, written second, can be neither replaced nor
    // overwritten: the profile file written before it is put back.
    HANDLE lock =
        CreateFileW(CaptionPath(4).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CopyProfileFiles(Module(), 1, 4));
    CloseHandle(lock);
    EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(NoTemporaryFiles());

    // A copied profile that cannot be read copies nothing.
    lock = CreateFileW(ProfilePath(1).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CopyProfileFiles(Module(), 1, 4));
    CloseHandle(lock);
    EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

// The slot a delete frees holds the deleted profile's files; a new profile
// written there holds the factory record and captions instead.
TEST_F(ProfileFileMovesTest, ANewProfileInTheSlotADeleteFreedHoldsTheFactoryFiles)
{
    WriteList(L"CurProfileName=P0\r\nItemCount=4\r\nItem0=P0\r\nItem1=P1\r\nItem2=P2\r\nItem3=P3\r\n");
    SettingsRecord factory{};
    factory.LiftOffDistance = 0x2F;
    data.WriteProfile(data.Path(L"config.bin"), factory);
    ASSERT_TRUE(MoveProfileFiles(Module(), MovesForDelete(1, 4)));
    ASSERT_EQ(MarkOf(3), 1);

    ASSERT_TRUE(WriteNewProfileFiles(Module(), 3, L"EN"));
    const std::vector<unsigned char> written = ReadBinaryFile(ProfilePath(3));
    ASSERT_EQ(written.size(), kProfileFileSize);
    EXPECT_EQ(written[0], kProfileFileFlag);
    const SettingsRecord expected = NewProfileRecord(Module());
    EXPECT_EQ(std::vector<unsigned char>(written.begin() + 1, written.end()),
              std::vector<unsigned char>(reinterpret_cast<const unsigned char*>(&expected),
                                         reinterpret_cast<const unsigned char*>(&expected) + sizeof expected));
    EXPECT_EQ(expected.LiftOffDistance, 0x2F);
    EXPECT_EQ(ReadIniValue(CaptionPath(3).c_str(), L"Setting-EN", L"Item1"), L"factory");
    EXPECT_EQ(ReadIniValue(CaptionPath(3).c_str(), L"Skins", L"Lan"), L"EN");
    EXPECT_TRUE(ReadIniValue(CaptionPath(3).c_str(), L"Profile", L"ItemCount").IsEmpty());
    for (int slot : {0, 1, 2, 4, 5})
        EXPECT_EQ(MarkOf(slot), (std::vector<int>{0, 2, 3, -1, 4, 5})[static_cast<size_t>(slot)]);
    EXPECT_TRUE(NoTemporaryFiles());

    // Without str.ini, whose factory captions it needs, nothing is written.
    DeleteFileW(StrIni().c_str());
    EXPECT_FALSE(WriteNewProfileFiles(Module(), 4, L"EN"));
    EXPECT_EQ(MarkOf(4), 4);
}

}  // namespace
