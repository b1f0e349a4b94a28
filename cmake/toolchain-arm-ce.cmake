# The ARM Windows CE images: compiled and linked as ARM ELF by the bare-metal
# GNU toolchain (Debian's gcc-arm-none-eabi with newlib), then written as CE
# images by tools/armce/cepe.py. The CPU of each image is set per target.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_C_COMPILER arm-none-eabi-gcc)
set(CMAKE_CXX_COMPILER arm-none-eabi-g++)
set(CMAKE_ASM_COMPILER arm-none-eabi-gcc)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
