// The standard library's wide strings, compiled for CE's 2-byte wchar_t:
// the compiled ones in libstdc++ are for 4 bytes.
#include <string>

template class std::basic_string<wchar_t>;
