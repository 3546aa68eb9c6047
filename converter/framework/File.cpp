#include "File.h"

bool CFile::Open(const char* path, UINT flags) {
    Close();
    if (!path) return false;

    DWORD access = GENERIC_READ;
    if (flags & modeWrite) access = GENERIC_WRITE;
    if (flags & modeReadWrite) access = GENERIC_READ | GENERIC_WRITE;

    DWORD share = 0;
    switch (flags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;  // exclusive
    }

    const DWORD disposition = (flags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    handle_.reset(CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    return IsOpen();
}
