#pragma once
// Numbers in the program's text files are read the way the C library's
// string-to-integer conversion reads them: blanks, an optional sign and the
// leading decimal digits; text without digits reads as 0.

// The leading decimal number of `text`. A number beyond the range of int
// gives INT_MAX or INT_MIN instead of overflowing.
int LeadingDecimal(const wchar_t* text);
