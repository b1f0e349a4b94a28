# Native 32-bit Linux build (gcc -m32 of Debian's multilib) for what 32-bit
# Wine loads from Linux: the ODBC driver of the POS database stand-in, which
# the i386 unixODBC under Wine's odbc32 opens for the x86 test programs.
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
# SQLite is installed as the i386 run-time library alone: its development
# package would pull i386 C headers that must match the 64-bit ones exactly.
set(SQLite3_INCLUDE_DIR /usr/include CACHE PATH "")
set(SQLite3_LIBRARY /usr/lib/i386-linux-gnu/libsqlite3.so.0 CACHE FILEPATH "")
