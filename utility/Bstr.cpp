#include "Bstr.h"

#include <climits>

namespace utility {

std::string AnsiFromBstr(BSTR text) {
    const UINT length = text ? SysStringLen(text) : 0;
    if (length == 0 || length > INT_MAX) return std::string();
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(length), &ansi[0], size, nullptr, nullptr);
    return ansi;
}

HRESULT BstrFromAnsi(const std::string& text, UniqueBstr& result) {
    if (text.size() > INT_MAX) return E_OUTOFMEMORY;
    const int length = text.empty() ? 0
        : MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR bstr = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (!bstr) return E_OUTOFMEMORY;
    if (length > 0) MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), bstr, length);
    *result.put() = bstr;
    return S_OK;
}

}  // namespace utility
