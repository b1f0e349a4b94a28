// Font face and character set by locale identifier. No platform header.
#pragma once

#include <cstdint>

// "Simsun", "Msgothic", "Gulim", "Georgia" or "Courier New".
const char16_t* FaceNameByLocale(uint32_t lcid);

// A LOGFONT character-set byte; 0 for a locale without a row.
int CharsetByLocale(uint32_t lcid);
