#pragma once
// The folder dialog's rules at run time: the write-test flag that the
// Windows version sets, the folder check, and the dialog's callback.
#include <windows.h>
#include <shlobj.h>

namespace utility {

// Sets the library-wide write-test flag from this system's version class;
// versions without a class leave it as it is.
void UpdateWriteTestFlag();

// Whether a selected item may be confirmed: it has a file-system path and,
// while the write test applies, a new file can be made in it.
bool FolderPasses(LPCITEMIDLIST item);

// Enables OK only for items that pass, and keeps the dialog open when the
// name typed into its edit box is no folder.
int CALLBACK FolderDialogCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data);

}  // namespace utility
