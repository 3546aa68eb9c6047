#include "ConverterDlg.h"

#include <shellapi.h>

#include "ConverterTexts.h"
#include "InstallLog.h"
#include "SystemPaths.h"
#include "WinApp.h"
#include "WindowsVersion.h"
#include "resource.h"
#include "win/SelectedObject.h"
#include "win/UniqueDC.h"

#ifndef _WIN64
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA of 32-bit Windows");
static_assert(sizeof(BITMAP) == 24, "BITMAP of 32-bit Windows");
static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA of 32-bit Windows");
#endif

namespace {

// The destination line as it was when the save dialog was last opened.
std::string g_previousDestination;

}  // namespace

CConverterDlg::CConverterDlg(CWnd* parent)
    : CDialog(IDD_CONVERTER_DIALOG, parent),
      m_hIcon(LoadIconA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_defaultFileName{},
      m_osVersionCode(GetOSVersionCode()),
      m_background(static_cast<HBITMAP>(LoadImageA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(IDB_BACKGROUND),
                                                   IMAGE_BITMAP, 0, 0, 0))) {}

CConverterDlg::~CConverterDlg() = default;

void CConverterDlg::SetJobInfo(std::string folder, const char* defaultName) {
    if (folder.empty()) return;
    m_jobFolder = std::move(folder);
    lstrcpynA(m_defaultFileName, defaultName ? defaultName : "", sizeof(m_defaultFileName));
}

void CConverterDlg::DoDataExchange() {
    DDX_Control(IDC_HELP_PAGE, m_help);
    DDX_Control(IDC_WEBSITE, m_website);
    DDX_Control(IDC_OTHER_PRODUCTS, m_otherProducts);
    DDX_Control(IDC_SUPPORT, m_support);
    DDX_Control(IDC_BUY_NOW, m_buyNow);
    DDX_Control(IDC_STATUS_LABEL, m_statusLabel);
    DDX_Control(IDC_SELECT_LABEL, m_selectLabel);
    DDX_Control(IDC_DESTINATION, m_destination);
    DDX_Control(IDC_OPEN_AFTER_LABEL, m_openAfterLabel);
    DDX_Control(IDC_STATUS, m_status);
    DDX_Control(IDC_OPEN_AFTER, m_openAfter);
    DDX_Control(IDC_CREATE, m_create);
    DDX_Control(IDC_BROWSE, m_browse);
    DDX_Control(IDC_EXIT, m_exit);
}

BOOL CConverterDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_browse.LoadStateBitmaps(IDB_BROWSE, IDB_BROWSE_HOVER, IDB_BROWSE);
    m_browse.SetTipText(IDS_TIP_BROWSE, true);
    m_create.LoadStateBitmaps(IDB_CREATE, IDB_CREATE_HOVER, IDB_CREATE);
    m_create.SetTipText(IDS_TIP_CREATE, true);
    m_exit.LoadStateBitmaps(IDB_EXIT, IDB_EXIT_HOVER, IDB_EXIT);
    m_exit.SetTipText(IDS_TIP_EXIT, true);
    m_support.LoadStateBitmaps(IDB_SUPPORT, IDB_SUPPORT_HOVER, IDB_SUPPORT);
    m_help.LoadStateBitmaps(IDB_HELP, IDB_HELP_HOVER, IDB_HELP);
    m_otherProducts.LoadStateBitmaps(IDB_OTHER_PRODUCTS, IDB_OTHER_PRODUCTS_HOVER, IDB_OTHER_PRODUCTS);
    m_website.LoadStateBitmaps(IDB_WEBSITE, IDB_WEBSITE_HOVER, IDB_WEBSITE);
    m_buyNow.LoadStateBitmaps(IDB_BUY_NOW, IDB_BUY_NOW_HOVER, IDB_BUY_NOW);

    m_statusLabel.SetLabelFont("Verdana", 14);
    m_statusLabel.SetLabelWeight(1);
    m_selectLabel.SetLabelFont("Verdana", 14);
    m_selectLabel.SetLabelWeight(1);
    m_openAfterLabel.SetLabelFont("Verdana", 13);
    m_status.SetStatusFont("Verdana", 13);
    m_destination.SetLabelFont("Verdana", 13);

    m_openAfter.SetCheck(BST_CHECKED);

    // Accept the job folder.
    m_jobFolder = NormaliseJobFolder(m_jobFolder);
    if (!JobFolderUsable()) {
        SetStatusText(kInvalidData);
        return FALSE;
    }
    if (!CreateLockFile()) {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    SetStatusText(kSelectDestination);
    return TRUE;
}

bool CConverterDlg::JobFolderUsable() const {
    // A folder too long for the paths formed in it is refused like a missing one.
    return !m_jobFolder.empty() && JobFolderFits(m_jobFolder) && PathExists(m_jobFolder.c_str());
}

bool CConverterDlg::CreateLockFile() {
    try {
        const std::string lockPath = JobFile(m_jobFolder, kLockFileName);
        // Held without sharing until the dialog object goes; a failure to
        // open it (read-only folder, another converter) goes unreported.
        m_lockFile.Open(lockPath.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        return true;
    } catch (...) {
        return false;
    }
}

void CConverterDlg::SetStatusText(const char* text) {
    SetWindowTextA(m_status.m_hWnd, text);
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CConverterDlg::ShowMessage(const char* text) { MessageBoxA(m_hWnd, text, kAppCaption, MB_OK | MB_ICONINFORMATION); }

BOOL CConverterDlg::PreTranslateMessage(MSG* message) {
    // Neither Enter nor Space ever presses a button or ticks the box.
    if (message->message == WM_KEYDOWN && (message->wParam == VK_RETURN || message->wParam == VK_SPACE)) return TRUE;
    return CDialog::PreTranslateMessage(message);
}

bool CConverterDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) break;
        switch (LOWORD(wParam)) {
        case IDC_CREATE: OnBnClickedCreate(); return true;
        case IDC_BROWSE: OnBnClickedBrowse(); return true;
        case IDC_EXIT: OnBnClickedExit(); return true;
        case IDC_WEBSITE:
        case IDC_OTHER_PRODUCTS: OnBnClickedHomepage(); return true;
        case IDC_BUY_NOW: OnBnClickedBuyNow(); return true;
        case IDC_SUPPORT: OnBnClickedSupport(); return true;
        case IDC_HELP_PAGE: OnBnClickedHelp(); return true;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) EndDialog(0);
        return false;  // the default processing runs too
    case WM_ERASEBKGND:
        OnEraseBackground(reinterpret_cast<HDC>(wParam));
        *result = TRUE;
        return true;
    }
    return CDialog::OnWndMsg(message, wParam, lParam, result);
}

void CConverterDlg::OnEraseBackground(HDC dc) {
    DefWindowProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (!m_background) return;
    BITMAP picture{};
    if (!GetObjectA(m_background.get(), sizeof(picture), &picture)) return;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    UniqueDC memory(CreateCompatibleDC(dc));
    if (!memory) return;
    SelectedObject selected(memory.get(), m_background.get());
    StretchBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, picture.bmWidth, picture.bmHeight, SRCCOPY);
}

void CConverterDlg::OnBnClickedBrowse() {
    try {
        m_chosenPath.clear();
        if (!JobFolderUsable()) {
            SetStatusText(kInvalidData);
            ShowMessage(kInvalidData);
            return;
        }
        if (BrowseForDestination("", kPdfDefaultExtension, kPdfFilterName, kPdfFilterPattern, m_chosenPath, nullptr)) {
            m_destination.SetLabelText(m_chosenPath.c_str());
            SetStatusText(kClickCreate);
            InvalidateRect(m_hWnd, nullptr, TRUE);
            if (NeedsImmediatePaint(m_osVersionCode)) SendMessageA(m_hWnd, WM_PAINT, 0, 0);
            return;
        }
        if (JobFolderUsable()) {
            if (g_previousDestination.empty()) {
                SetStatusText(kSelectDestination);
                m_destination.SetLabelText("");
            } else {
                m_destination.SetLabelText(g_previousDestination.c_str());
                SetStatusText(kClickCreate);
            }
            InvalidateRect(m_hWnd, nullptr, TRUE);
        } else {
            SetStatusText(kInvalidData);
        }
    } catch (...) {
        // Browse keeps whatever status and destination it had.
    }
}

bool CConverterDlg::BrowseForDestination(const char* initialDirectory, const char* defaultExtension,
                                         const char* filterName, const char* filterPattern, std::string& chosenPath,
                                         std::string* fileTitle) {
    g_previousDestination = WindowText(m_destination.m_hWnd);

    std::string filter = std::string(filterName) + '\0' + filterPattern + '\0' + '\0';
    char fileName[kPathBufferSize] = {};
    lstrcpynA(fileName, m_defaultFileName, sizeof(fileName));
    char title[130] = {};

    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = m_hWnd;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = sizeof(fileName);
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = sizeof(title);
    dialog.lpstrInitialDir = initialDirectory;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN;
    dialog.lpstrDefExt = defaultExtension;

    chosenPath.clear();
    if (!GetSaveFileNameA(&dialog)) return false;
    chosenPath = EnsurePdfExtension(fileName);
    if (fileTitle) *fileTitle = title;
    if (!CanWriteFile(chosenPath.c_str())) ShowMessage(kNoAccessRights);
    return true;
}

int CConverterDlg::GetOSVersionCode() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    VersionReport report;
    report.known = GetVersionExA(&info) != FALSE;
    report.platformId = info.dwPlatformId;
    report.majorVersion = info.dwMajorVersion;
    report.minorVersion = info.dwMinorVersion;
    return OsVersionCode(report);
}

void CConverterDlg::OpenWebPage(const char* pageKey) {
    const std::string link = BuildWebLink(pageKey);
    ShellExecuteA(m_hWnd, "open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CConverterDlg::OnBnClickedHomepage() { OpenWebPage("homepage"); }
void CConverterDlg::OnBnClickedBuyNow() { OpenWebPage("purchase"); }
void CConverterDlg::OnBnClickedSupport() { OpenWebPage("support"); }

void CConverterDlg::OnBnClickedHelp() {
    try {
        OpenWebPage("help");
    } catch (...) {
    }
}
