#pragma once
// An open file, closed when the object goes.
#include <windows.h>

#include "win/UniqueHandle.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,  // create, or truncate an existing file to zero length
    };

    // Handles taken by it are never inherited by child processes.
    bool Open(const char* path, UINT flags);
    void Close() { handle_.reset(); }
    bool IsOpen() const { return static_cast<bool>(handle_); }

private:
    UniqueHandle handle_;
};
