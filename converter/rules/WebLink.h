#pragma once
// The install log as the converter reads it, and the links of its web
// buttons.
#include <string>

// The product web site.
constexpr const char kWebSiteHost[] = "www.inkvale.example";

constexpr const char kInstallLogName[] = "install.log";

// The installer's file name, lower case and ".exe" included, from the last
// line that names one after "source:"; empty when no line does.  A last line
// without a line feed counts like the others.
std::string InstallerNameFromLog(const std::string& logText);

// Between the last underscore and the last ".exe" of the name; "default"
// when either is missing.
std::string CampaignSourceFromName(const std::string& installerName);

// "homepage" for every key but purchase, quicktour, help and support
// (compared exactly).
std::string PageFromKey(const std::string& pageKey);

// http://host/Appdirect.asp?utm_source=S&utm_medium=PPD&utm_campaign=S&gotopg=P
std::string WebLinkFor(const std::string& campaignSource, const std::string& pageKey);
