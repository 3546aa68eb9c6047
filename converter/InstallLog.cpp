#include "InstallLog.h"

#include <fstream>
#include <sstream>

#include "SystemPaths.h"
#include "WebLink.h"

std::string ReadInstallLog() {
    const std::string folder = GetModuleDirectory();
    if (folder.empty()) return {};
    std::ifstream log(folder + "\\" + kInstallLogName);  // text mode: CR LF reads as LF
    if (!log) return {};
    std::ostringstream text;
    text << log.rdbuf();
    return InstallerNameFromLog(text.str());
}

std::string GetCampaignSource() { return CampaignSourceFromName(ReadInstallLog()); }

std::string BuildWebLink(std::string pageKey) { return WebLinkFor(GetCampaignSource(), pageKey); }
