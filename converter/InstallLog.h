#pragma once
// The install log beside the program and the web links built from it.
#include <string>

// The installer's file name from "install.log" in the program's folder, or
// an empty text.  Read afresh on every call.
std::string ReadInstallLog();

// The campaign source of the links, never empty.
std::string GetCampaignSource();

// The whole link to a page of the product web site.
std::string BuildWebLink(std::string pageKey);
