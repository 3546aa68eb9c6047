#pragma once
// The converter's only window: the job's status, the destination, Create,
// and the web buttons along the top.
#include <windows.h>

#include <string>

#include "Dialog.h"
#include "File.h"
#include "HoverButton.h"
#include "JobFolder.h"
#include "LHyperLink.h"
#include "StaticStatus.h"
#include "win/UniqueGdiObject.h"

class CConverterDlg : public CDialog {
public:
    explicit CConverterDlg(CWnd* parent = nullptr);
    ~CConverterDlg() override;

    // Before the window exists: an empty folder stores nothing.
    void SetJobInfo(std::string folder, const char* defaultName);

    BOOL PreTranslateMessage(MSG* message) override;

    static int GetOSVersionCode();
    static std::string EnsurePdfExtension(std::string path);
    static bool CanWriteFile(const char* path);

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnCancel() override {}  // Escape does not close the dialog

private:
    void SetStatusText(const char* text);
    bool JobFolderUsable() const;
    bool CreateLockFile();
    void OnEraseBackground(HDC dc);

    void OnBnClickedBrowse();
    bool BrowseForDestination(const char* initialDirectory, const char* defaultExtension, const char* filterName,
                              const char* filterPattern, std::string& chosenPath, std::string* fileTitle);
    void OnBnClickedCreate();
    bool ConvertPsToPdf(const char* psInput, const char* pdfOutput);
    void OnBnClickedExit() { EndDialog(0); }
    void OnBnClickedHomepage();
    void OnBnClickedBuyNow();
    void OnBnClickedSupport();
    void OnBnClickedHelp();
    void OpenWebPage(const char* pageKey);
    void ShowMessage(const char* text);

    HICON m_hIcon;
    std::string m_jobFolder;
    char m_defaultFileName[kPathBufferSize];
    CFile m_lockFile;
    std::string m_chosenPath;
    int m_osVersionCode;
    UniqueGdiObject<HBITMAP> m_background;
    CHoverButton m_otherProducts;  // 4
    CHoverButton m_buyNow;         // 6
    CHoverButton m_website;        // 3
    CHoverButton m_support;        // 5
    CHoverButton m_help;           // 7
    CHoverButton m_create;         // 1050
    CHoverButton m_browse;         // 1004
    CHoverButton m_exit;           // 1011
    CButton m_openAfter;           // 1005
    CLHyperLink m_statusLabel;     // 1006
    CLHyperLink m_selectLabel;     // 1008
    CLHyperLink m_openAfterLabel;  // 1007
    CLHyperLink m_destination;     // 1009
    CStaticStatus m_status;        // 1001
};
