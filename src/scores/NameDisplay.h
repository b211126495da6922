#pragma once
#include <string>

// A name from the score file as the list shows it: its first 16 characters, read
// as UTF-8; control characters, bytes that are not UTF-8 and characters the font
// renderer cannot take (beyond the first 65536) show as '?'.
std::string displayName(const std::string& name);
