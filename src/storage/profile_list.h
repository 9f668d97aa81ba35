#pragma once
// The list of named profiles in section "Profile" of str.ini: "ItemCount",
// "Item0" .. "Item5" and "CurProfileName". A profile's name lives in the
// list; its settings and captions live in config<i>.bin and str<i>.ini, where
// i is the name's position in the list. Deleting a name therefore moves the
// files of every later name down by one, so that each name keeps its own;
// a name added to the list gives its slot the files it starts with.

#include "classlib/cstring.h"
#include "storage/profile_store.h"

#include <array>
#include <span>
#include <vector>

// The list as str.ini holds it.
struct ProfileList {
    CString current;  // "CurProfileName"
    // The leading decimal number of "ItemCount" (0 when missing), held within
    // the range of int however many digits it has.
    int itemCount = 0;
    // "Item0" .. of a valid count; empty for any other count.
    std::vector<CString> items;
};

// A count of 1 .. 6 names a list; 0 (or a missing key), a negative count or
// one above 6 names none.
bool IsValidProfileCount(int itemCount);

// Reads the list; a missing file reads as a list without items.
ProfileList ReadProfileList(const CString& strIniPath);

// The position of the last item equal to `name`, letter case included, or
// -1. The current profile is found this way wherever it is looked up.
int FindProfileByName(std::span<const CString> items, const CString& name);

// The index a list closes on: the list's selection when it names an item,
// else the profile in use (`current`) when it does, else the first item; -1
// for an empty list.
int ClosingProfileIndex(int selection, int current, int count);

// Writes the list (all of it: the section is replaced) with item `current`
// as "CurProfileName". Nothing is written when str.ini does not exist (the
// file is never made here), the list is empty, or `current` names no item,
// so a list that cannot be written never wipes the one on disk. True when
// every value was written.
bool WriteProfileList(const CString& strIniPath, std::span<const CString> items, int current);

// The name "New" gives the next profile, `base` being the language's word
// for a profile: "<base> 1" for an empty list; after a last item with a
// space, "<base> <n + 1>" with n the leading number after its first space (0
// when none); after a last item without one, "<last> <count>". A name the
// list holds already counts on to the first free number.
CString NewProfileName(const CString& base, std::span<const CString> items);

// The name Copy gives a copy of profile `copied`: "<copy> <copied>", or with
// " 2", " 3" ... behind it where the list holds that name already.
CString CopyProfileName(const CString& copyLabel, const CString& copied, std::span<const CString> items);

// Where the files of slot `slot` go when profile `deleted` of a list of
// `count` is deleted: later profiles of the list move down by one, the
// deleted profile's files go to the slot the list no longer uses, and slots
// outside the list stay.
int SlotAfterDelete(int slot, int deleted, int count);

// For each of the six slots, the slot its files go to.
using ProfileFileMoves = std::array<int, kProfileCount>;

// The moves of a delete (SlotAfterDelete for every slot).
ProfileFileMoves MovesForDelete(int deleted, int count);
// The moves that undo `moves`.
ProfileFileMoves ReversedMoves(const ProfileFileMoves& moves);

// Moves config<i>.bin and str<i>.ini of the program's folder (found from
// `modulePath` as every data file is) to the slots `moves` names; the moves
// must send every slot to a different one. Every file that moves is read
// before any is written; profile files are written through the replacing
// profile-file writer and caption files likewise through a temporary file;
// a file that is missing leaves its new place missing too. When a step
// fails every file is put back as it was. False when nothing was moved.
bool MoveProfileFiles(const CString& modulePath, const ProfileFileMoves& moves);

// Gives slot `to` the files of slot `from`, byte for byte (a file that is
// missing there goes missing here too); slot `from` is only read. Both
// files are read before either is written, and written through the
// replacing profile-file writer, the profile file first; when a write fails
// slot `to` is put back as it was. False when nothing was copied.
bool CopyProfileFiles(const CString& modulePath, int from, int to);

// Gives slot `slot` the files of a new profile: NewProfileRecord as a
// profile file and NewProfileCaptions with `language`, written as
// CopyProfileFiles writes them. False when nothing was written.
bool WriteNewProfileFiles(const CString& modulePath, int slot, const CString& language);
