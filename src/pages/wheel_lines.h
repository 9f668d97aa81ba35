#pragma once
// The wheel scrolling page's places and its rules for the number of lines
// per wheel notch (1..100).

#include <windows.h>

#include <cstdint>

// Page client coordinates: the two options, the number's edit and its arrows.
constexpr RECT kWheelLinesOption{5, 17, 16, 30};
constexpr RECT kWheelPageOption{5, 50, 16, 62};
constexpr RECT kWheelLinesEdit{150, 15, 186, 29};
constexpr RECT kWheelLinesUpArrow{190, 15, 200, 21};
constexpr RECT kWheelLinesDownArrow{190, 23, 200, 29};

// The edit takes at most this many characters ("100").
constexpr int kWheelLinesMaxChars = 3;

enum class WheelPagePart { None, UpArrow, DownArrow, LinesOption, PageOption };

// The part of the page under `point` (the four never overlap).
WheelPagePart WheelPagePartAt(POINT point);

// A line count as the page keeps it: the count when it is 1..100, else 1.
uint8_t ValidWheelLines(int count);

// The arrows: one line more (at most 100) or one less (at least 1). A
// damaged count outside 1..100 steps as a byte and then becomes 1, except
// that one more from above 100 gives 100.
uint8_t WheelLinesUp(uint8_t lines);
uint8_t WheelLinesDown(uint8_t lines);

struct TypedWheelLines {
    uint8_t lines;     // the count to store
    bool replaceText;  // the text was no count in 1..100: it is replaced by "1"
};

// The text typed into the edit: its leading decimal number, 0 when it has
// none; anything outside 1..100 (a huge number included) gives 1.
TypedWheelLines ReadTypedWheelLines(const wchar_t* text);
