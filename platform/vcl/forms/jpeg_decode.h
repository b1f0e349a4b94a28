// Decoding a JPEG into a 24-bit top-down DIB section with libjpeg.
#pragma once

#include <windows.h>

#include <cstddef>

// Raises std::runtime_error with libjpeg's message when the data is no JPEG.
HBITMAP DecodeJpeg(const void* data, size_t size, int& width, int& height);
