// Dialog modes reach the dialogs as 16-bit signed values. No platform header.
#pragma once

#include <cstdint>

// The low 16 bits of a mode argument, sign-extended.
constexpr int16_t ModeFromArgument(int32_t mode)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(mode) & 0xFFFFu));
}
