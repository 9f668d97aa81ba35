#include "storage/profile_list.h"

#include "classlib/debug_output.h"
#include "model/leading_decimal.h"
#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/new_profile.h"
#include "storage/profile_file.h"
#include "storage/whole_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const wchar_t* kSection = L"Profile";

CString ItemKey(int index)
{
    CString key;
    key.Format(L"Item%d", index);
    return key;
}

CString SlotFilePath(const CString& modulePath, const wchar_t* format, int slot)
{
    CString name;
    name.Format(format, slot);
    return DataFilePath(modulePath, name);
}

bool IsSlot(int slot)
{
    return slot >= 0 && slot < kProfileCount;
}

// Gives slot `slot` the content `profile` and `captions`, the profile file
// first, as a save writes them. The slot's files are read first, so that a
// failed write puts both back as they were.
bool PutSlotFiles(const CString& modulePath, int slot, const FileContent& profile, const FileContent& captions)
{
    const CString profilePath = SlotFilePath(modulePath, L"config%d.bin", slot);
    const CString captionPath = SlotFilePath(modulePath, L"str%d.ini", slot);
    const std::optional<FileContent> oldProfile = ReadWholeFile(profilePath);
    const std::optional<FileContent> oldCaptions = ReadWholeFile(captionPath);
    if (!oldProfile || !oldCaptions) {
        DebugTrace(L"Profile files of slot %d cannot be read: nothing is written.\n", slot);
        return false;
    }
    if (PutFileContent(profilePath, profile) && PutFileContent(captionPath, captions))
        return true;
    const DWORD error = GetLastError();
    PutFileContent(profilePath, *oldProfile);
    PutFileContent(captionPath, *oldCaptions);
    DebugTrace(L"Writing the profile files of slot %d failed (error %d): they are put back.\n", slot,
               static_cast<int>(error));
    return false;
}

struct SlotFiles {
    CString profilePath;
    CString captionPath;
    FileContent profile;
    FileContent captions;
};

}  // namespace

bool IsValidProfileCount(int itemCount)
{
    return itemCount >= 1 && itemCount <= kProfileCount;
}

ProfileList ReadProfileList(const CString& strIniPath)
{
    ProfileList list;
    list.current = ReadIniValue(strIniPath, kSection, L"CurProfileName");
    list.itemCount = ReadIniNumber(strIniPath, kSection, L"ItemCount");
    if (IsValidProfileCount(list.itemCount)) {
        for (int i = 0; i < list.itemCount; ++i)
            list.items.push_back(ReadIniValue(strIniPath, kSection, ItemKey(i)));
    }
    return list;
}

int FindProfileByName(std::span<const CString> items, const CString& name)
{
    int found = -1;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == name)
            found = static_cast<int>(i);
    }
    return found;
}

int ClosingProfileIndex(int selection, int current, int count)
{
    if (count <= 0)
        return -1;
    if (selection >= 0 && selection < count)
        return selection;
    if (current >= 0 && current < count)
        return current;
    return 0;
}

bool WriteProfileList(const CString& strIniPath, std::span<const CString> items, int current)
{
    const int count = static_cast<int>(items.size());
    if (!PathExists(strIniPath) || count == 0 || current < 0 || current >= count)
        return false;
    DeleteIniSection(strIniPath, kSection);
    bool written = WriteIniValue(strIniPath, kSection, L"CurProfileName", items[static_cast<size_t>(current)]);
    CString number;
    number.Format(L"%d", count);
    written = WriteIniValue(strIniPath, kSection, L"ItemCount", number) && written;
    for (int i = 0; i < count; ++i)
        written = WriteIniValue(strIniPath, kSection, ItemKey(i), items[static_cast<size_t>(i)]) && written;
    return written;
}

namespace {

bool IsListed(std::span<const CString> items, const CString& name)
{
    return std::find(items.begin(), items.end(), name) != items.end();
}

}  // namespace

CString NewProfileName(const CString& base, std::span<const CString> items)
{
    if (items.empty())
        return base + L" 1";
    const CString& last = items.back();
    const int space = last.Find(L' ');
    // A name the list holds already counts on: str.ini finds the current
    // profile by its name, and of two equal names it would find the other.
    if (space < 0) {
        for (size_t n = items.size();; ++n)
            if (const CString name = last + L" " + CString(std::to_wstring(n)); !IsListed(items, name))
                return name;
    }
    // One past the largest number counts on instead of wrapping.
    for (long long n = static_cast<long long>(LeadingDecimal(last.Mid(space + 1))) + 1;; ++n)
        if (const CString name = base + L" " + CString(std::to_wstring(n)); !IsListed(items, name))
            return name;
}

CString CopyProfileName(const CString& copyLabel, const CString& copied, std::span<const CString> items)
{
    const CString first = copyLabel + L" " + copied;
    CString name = first;
    for (int n = 2; IsListed(items, name); ++n)
        name = first + L" " + CString(std::to_wstring(n));
    return name;
}

int SlotAfterDelete(int slot, int deleted, int count)
{
    if (slot < deleted || slot >= count)
        return slot;
    if (slot == deleted)
        return count - 1;
    return slot - 1;
}

ProfileFileMoves MovesForDelete(int deleted, int count)
{
    ProfileFileMoves moves{};
    for (int slot = 0; slot < kProfileCount; ++slot)
        moves[static_cast<size_t>(slot)] = SlotAfterDelete(slot, deleted, count);
    return moves;
}

ProfileFileMoves ReversedMoves(const ProfileFileMoves& moves)
{
    ProfileFileMoves reversed{};
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const int target = moves[static_cast<size_t>(slot)];
        if (target >= 0 && target < kProfileCount)
            reversed[static_cast<size_t>(target)] = slot;
    }
    return reversed;
}

bool MoveProfileFiles(const CString& modulePath, const ProfileFileMoves& moves)
{
    std::array<bool, kProfileCount> targeted{};
    for (const int target : moves) {
        if (target < 0 || target >= kProfileCount || targeted[static_cast<size_t>(target)])
            return false;
        targeted[static_cast<size_t>(target)] = true;
    }

    // Only the slots whose files go elsewhere are read and written.
    std::array<std::optional<SlotFiles>, kProfileCount> slots;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (moves[static_cast<size_t>(slot)] == slot)
            continue;
        CString profileName, captionName;
        profileName.Format(L"config%d.bin", slot);
        captionName.Format(L"str%d.ini", slot);
        SlotFiles files{DataFilePath(modulePath, profileName), DataFilePath(modulePath, captionName), {}, {}};
        const auto profile = ReadWholeFile(files.profilePath);
        const auto captions = ReadWholeFile(files.captionPath);
        if (!profile || !captions) {
            DebugTrace(L"Profile files of slot %d cannot be read: nothing is moved.\n", slot);
            return false;
        }
        files.profile = *profile;
        files.captions = *captions;
        slots[static_cast<size_t>(slot)] = std::move(files);
    }

    bool moved = true;
    for (int from = 0; from < kProfileCount && moved; ++from) {
        const auto& source = slots[static_cast<size_t>(from)];
        if (!source)
            continue;
        const SlotFiles& target = *slots[static_cast<size_t>(moves[static_cast<size_t>(from)])];
        moved =
            PutFileContent(target.profilePath, source->profile) && PutFileContent(target.captionPath, source->captions);
    }
    if (moved)
        return true;

    const DWORD error = GetLastError();
    for (const auto& files : slots) {
        if (!files)
            continue;
        PutFileContent(files->profilePath, files->profile);
        PutFileContent(files->captionPath, files->captions);
    }
    DebugTrace(L"Moving the profile files failed (error %d): they are put back.\n", static_cast<int>(error));
    return false;
}

bool CopyProfileFiles(const CString& modulePath, int from, int to)
{
    if (!IsSlot(from) || !IsSlot(to) || from == to)
        return false;
    const std::optional<FileContent> profile = ReadWholeFile(SlotFilePath(modulePath, L"config%d.bin", from));
    const std::optional<FileContent> captions = ReadWholeFile(SlotFilePath(modulePath, L"str%d.ini", from));
    if (!profile || !captions) {
        DebugTrace(L"Profile files of slot %d cannot be read: nothing is copied.\n", from);
        return false;
    }
    return PutSlotFiles(modulePath, to, *profile, *captions);
}

bool WriteNewProfileFiles(const CString& modulePath, int slot, const CString& language)
{
    if (!IsSlot(slot))
        return false;
    std::optional<std::vector<uint8_t>> captions = NewProfileCaptions(modulePath, language);
    if (!captions) {
        DebugTrace(L"The factory captions of str.ini cannot be read: no new profile is written.\n");
        return false;
    }
    const ProfileFile file{kProfileFileFlag, NewProfileRecord(modulePath)};
    const auto* bytes = reinterpret_cast<const uint8_t*>(&file);
    return PutSlotFiles(modulePath, slot, FileContent{true, std::vector<uint8_t>(bytes, bytes + kProfileFileSize)},
                        FileContent{true, std::move(*captions)});
}
