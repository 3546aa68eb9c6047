#include "ProcessResources.h"

#include <windows.h>
#include <winternl.h>

#include <vector>

namespace testenv {

namespace {

// SystemHandleInformation (16): a count, then one record per open handle.
struct HandleRecord {
    ULONG processId;
    UCHAR objectType;
    UCHAR flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

long CountFromHandleList() {
    std::vector<unsigned char> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        NTSTATUS status = NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16), buffer.data(),
                                                   static_cast<ULONG>(buffer.size()), &needed);
        if (status == static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != 0) return -1;
        break;
    }
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* records = reinterpret_cast<const HandleRecord*>(buffer.data() + sizeof(ULONG_PTR));
    long mine = 0;
    for (ULONG i = 0; i < count; ++i) {
        if (records[i].processId == GetCurrentProcessId()) ++mine;
    }
    return mine;
}

// The GDI handle table the process environment block points to (as Wine and
// 64-bit Windows lay it out); an entry with a type is a live object.  Wine's
// table holds the process's own objects only.
struct GdiTableEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long user;
};
static_assert(sizeof(GdiTableEntry) == 24, "GDI table entry");

long CountFromGdiTable() {
    if (sizeof(void*) != 8) return -1;
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
        return -1;
    }
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiTableEntry* const*>(peb + 0xF8);  // GdiSharedHandleTable
    if (!table) return -1;
    long live = 0;
    for (int i = 0; i < 0x10000; ++i) {
        if (table[i].type) ++live;
    }
    return live;
}

}  // namespace

long ProcessHandleCount() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count > 0) return static_cast<long>(count);
    return CountFromHandleList();
}

long GdiObjectCount() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(count);
    return CountFromGdiTable();
}

}  // namespace testenv
