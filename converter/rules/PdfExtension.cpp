#include "PdfExtension.h"

#include "TextRules.h"

std::string EnsurePdfExtension(std::string path) {
    const size_t dot = path.rfind('.');
    const std::string ending = dot == std::string::npos ? path : path.substr(dot + 1);
    if (!ending.empty() && ToLower(ending) != "pdf") path += ".pdf";
    return path;
}
