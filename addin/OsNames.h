#pragma once
// The short names the add-in gives Windows versions.  Callers compare them
// with the literal texts, so they are fixed here and nowhere else.
#include <cstdint>
#include <string>

// platformId, major and minor as the version record reports them; a failed
// version call leaves the record zero, platform id 0 included.
std::string OsName(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor);
