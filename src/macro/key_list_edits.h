#pragma once
// The hand edits of a macro's event lines that the macro manager's key list
// menu offers: mouse-button presses and releases, pauses, and deleting a
// line. Each works on the lines and the key list's selection and says what
// to select afterwards and whether the macro must be written.

#include "classlib/cstring.h"

#include <vector>

enum class MacroMouseButton { Left, Middle, Right };

// The result of an edit. `changed`: the lines were edited and the macro is
// to be written at once. `selection`: the line to select afterwards, -1 for
// none.
struct KeyListEdit {
    bool changed = false;
    int selection = -1;

    bool operator==(const KeyListEdit&) const = default;
};

// The pause line inserted by hand.
inline constexpr const wchar_t* kInsertedPauseLine = L"50 ms";

// "L-Button   Dn", "M-Button   Up", ...
CString MouseButtonLine(MacroMouseButton button, bool release);

// Inserts the button's press and release lines. With a selected line s they
// go right after it and the selection moves to the press line when s is a
// pause, else to the release line; into an empty list without a selection
// they become its first two lines, nothing selected. In a list with lines
// but no selection nothing happens.
KeyListEdit InsertMouseButton(std::vector<CString>& lines, int selection, MacroMouseButton button);

// Inserts the hand pause before the selected line s, which stays selected,
// when s is not the first line and neither s nor the line before it is a
// pause already. Otherwise nothing happens.
KeyListEdit InsertPause(std::vector<CString>& lines, int selection);

// Deletes the selected line; nothing is selected afterwards.
KeyListEdit DeleteLine(std::vector<CString>& lines, int selection);
