// One line of the preloader's log, formatted into a fixed message buffer.
// Includes no platform header: the native build tests it under the sanitizers.
#pragma once

#include <cstddef>

// Size of the message buffer that holds one log line and its terminator.
constexpr std::size_t kMessageBytes = 256;

// Formats `format` with its arguments and a line feed into `message`, which
// holds `size` bytes. A text too long for the buffer keeps its beginning and
// loses its end, so the line feed and the terminating zero always fit and
// nothing is written past the buffer. A text that cannot be formatted at all
// (a wide character with no narrow form) leaves a line with the line feed
// alone. Returns the length of the line, without the terminator.
#if defined(__GNUC__)
__attribute__((format(gnu_printf, 3, 4)))
#endif
std::size_t FormatLogLine(char* message, std::size_t size, const char* format, ...);
