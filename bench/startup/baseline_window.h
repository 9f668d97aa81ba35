#pragma once
// What the start-up benchmark and its baseline program share.

inline constexpr wchar_t kBaselineTitle[] = L"RV417 start-up baseline";
// The main window's size: the baseline paints as many pixels.
inline constexpr int kBaselineWidth = 1000;
inline constexpr int kBaselineHeight = 650;
