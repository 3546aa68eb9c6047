#include "WebLink.h"

#include "TextRules.h"

std::string InstallerNameFromLog(const std::string& logText) {
    std::string result;
    size_t start = 0;
    while (start < logText.size()) {
        size_t end = logText.find('\n', start);
        if (end == std::string::npos) end = logText.size();
        std::string line = ToLower(logText.substr(start, end - start));
        start = end + 1;

        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t exe = line.rfind(".exe");
        const size_t backslash = line.rfind('\\');
        if (line.find("source:") == std::string::npos || exe == std::string::npos || backslash == std::string::npos) {
            continue;
        }
        if (backslash > exe) continue;
        std::string candidate = line.substr(backslash + 1, exe + 4 - (backslash + 1));
        if (candidate.size() >= 2) result = candidate;
    }
    return result;
}

std::string CampaignSourceFromName(const std::string& installerName) {
    const std::string name = ToLower(installerName);
    const size_t exe = name.rfind(".exe");
    const size_t underscore = name.rfind('_');
    if (exe == std::string::npos || underscore == std::string::npos || underscore > exe) return "default";
    return name.substr(underscore + 1, exe - underscore - 1);
}

std::string PageFromKey(const std::string& pageKey) {
    for (const char* page : {"purchase", "quicktour", "help", "support"}) {
        if (pageKey == page) return pageKey;
    }
    return "homepage";
}

std::string WebLinkFor(const std::string& campaignSource, const std::string& pageKey) {
    return std::string("http://") + kWebSiteHost + "/Appdirect.asp?utm_source=" + campaignSource +
           "&utm_medium=PPD&utm_campaign=" + campaignSource + "&gotopg=" + PageFromKey(pageKey);
}
