#pragma once
// Small text helpers of the converter's rules.
#include <string>

// ASCII letters to lower case; other bytes of the ANSI code page unchanged.
std::string ToLower(std::string text);
