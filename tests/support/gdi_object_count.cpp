#include "support/gdi_object_count.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace {

// One entry of the handle table: 24 bytes, the object's type in byte 14
// (0 once the handle has been freed).
struct HandleEntry {
    uint64_t object;
    uint32_t owner;
    uint8_t unique[2];
    uint8_t type;
    uint8_t flags;
    uint64_t user;
};
static_assert(sizeof(HandleEntry) == 24);

constexpr int kHandleTableSize = 0x10000;
// Where the 64-bit process environment block keeps the table's address.
constexpr size_t kSharedHandleTableOffset = 0xF8;

using QueryInformationProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

const HandleEntry* SharedHandleTable()
{
#if defined(_WIN64)
    const auto query = reinterpret_cast<QueryInformationProcess>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info{};
    if (!query || query(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), nullptr) != 0 ||
        !info.PebBaseAddress)
        return nullptr;
    const auto* peb = reinterpret_cast<const char*>(info.PebBaseAddress);
    return *reinterpret_cast<const HandleEntry* const*>(peb + kSharedHandleTableOffset);
#else
    return nullptr;
#endif
}

}  // namespace

int GdiObjectCount()
{
    if (const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<int>(reported);
    const HandleEntry* table = SharedHandleTable();
    if (!table)
        return -1;
    int live = 0;
    for (int i = 0; i < kHandleTableSize; ++i) {
        if (table[i].type != 0)
            ++live;
    }
    return live;
}
