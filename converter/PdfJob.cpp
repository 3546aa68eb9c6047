// The Create command: Ghostscript over the job's PostScript, the copy to the
// destination, then the open or the success box.
#include "ConverterDlg.h"

#include <shellapi.h>

#include <cstddef>
#include <vector>

#include "ConverterTexts.h"
#include "GhostscriptCommand.h"
#include "PdfExtension.h"
#include "SystemPaths.h"
#include "win/UniqueHandle.h"

#ifndef _WIN64
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA of 32-bit Windows");
// OPENFILENAME_SIZE_VERSION_400A: the record up to lpTemplateName.
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76, "OPENFILENAMEA of Windows 95 and NT 4");
#endif

namespace {

// Buffer of the system directory, terminator included.
constexpr UINT kSystemDirectorySize = 261;

}  // namespace

void CConverterDlg::OnBnClickedCreate() {
    try {
        const std::string destination = WindowText(m_destination.m_hWnd);
        if (destination.empty()) {
            const char* text = JobFolderUsable() ? kSelectDestination : kInvalidData;
            SetStatusText(text);
            ShowMessage(text);
            return;
        }

        const std::string psInput = JobFile(m_jobFolder, kPsFileName);
        const std::string pdfOutput = JobFile(m_jobFolder, kPdfFileName);
        if (JobFolderUsable() && ConvertPsToPdf(psInput.c_str(), pdfOutput.c_str()) &&
            CopyFileA(pdfOutput.c_str(), destination.c_str(), FALSE)) {
            SetStatusText(kCreated);
            if (m_openAfter.GetCheck() == BST_CHECKED) {
                SetStatusText(kOpening);
                Sleep(kOpenDelayMs);
                ShellExecuteA(m_hWnd, "open", destination.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            } else {
                ShowMessage(kCreated);
            }
            EndDialog(0);
            return;
        }
    } catch (...) {
        // Any exception takes the failure steps below.
    }
    SetStatusText(kFailedStatus);
    ShowMessage(kFailedMessage);
    EndDialog(0);
}

bool CConverterDlg::ConvertPsToPdf(const char* psInput, const char* pdfOutput) {
    if (!PathExists(psInput)) return false;
    // An old PDF must never pass for the result of this run.
    if (PathExists(pdfOutput)) DeleteFileA(pdfOutput);
    SetStatusText(kPreparing);

    char systemDirectory[kSystemDirectorySize] = {};
    const UINT length = GetSystemDirectoryA(systemDirectory, kSystemDirectorySize);
    if (length == 0 || length >= kSystemDirectorySize) systemDirectory[0] = '\0';
    const std::string commandLine = GhostscriptCommandLine(InterpreterPath(systemDirectory), pdfOutput, psInput);
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};

    SetStatusText(kCreating);
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, HIGH_PRIORITY_CLASS, nullptr,
                        m_jobFolder.c_str(), &startup, &started)) {
        return false;
    }
    UniqueHandle process(started.hProcess);
    UniqueHandle thread(started.hThread);
    WaitForSingleObject(process.get(), INFINITE);

    // Ghostscript may leave a blank or partial PDF behind when it fails: only
    // its exit code tells.
    DWORD exitCode = 1;
    return GetExitCodeProcess(process.get(), &exitCode) && exitCode == 0;
}

bool CConverterDlg::CanWriteFile(const char* path) {
    if (!path || !*path) return false;
    // A new file is made and removed again ...
    UniqueHandle probe(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (probe) {
        probe.reset();
        DeleteFileA(path);
        return true;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return false;
    // ... but a file that is there is only opened for writing, never emptied.
    UniqueHandle existing(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(existing);
}

std::string CConverterDlg::EnsurePdfExtension(std::string path) { return ::EnsurePdfExtension(std::move(path)); }
