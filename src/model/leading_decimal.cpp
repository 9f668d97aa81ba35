#include "model/leading_decimal.h"

#include <climits>

int LeadingDecimal(const wchar_t* text)
{
    if (!text)
        return 0;
    const wchar_t* p = text;
    while (*p == L' ' || *p == L'\t' || *p == L'\r' || *p == L'\n' || *p == L'\v' || *p == L'\f')
        ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-')
        negative = *p++ == L'-';

    // The magnitude of INT_MIN; reaching it ends the scan.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        magnitude = magnitude * 10 + (*p - L'0');
        if (magnitude >= kLimit) {
            magnitude = kLimit;
            break;
        }
    }
    if (negative)
        return static_cast<int>(-magnitude);
    return magnitude >= kLimit ? INT_MAX : static_cast<int>(magnitude);
}
