# Native build of the platform-free logic, for sanitizers and fuzzers.
option(RILO_SANITIZE "Build with AddressSanitizer and UBSan" ON)
option(RILO_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(RILO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
if(RILO_FUZZ)
  # The code under test carries libFuzzer's coverage instrumentation, or the
  # fuzzers cannot see which inputs reach new code.
  add_compile_options(-fsanitize=fuzzer-no-link)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/googletest.cmake)
endif()

function(rilo_add_test name)
  cmake_parse_arguments(T "" "SCREEN;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE GTest::gtest_main ${T_LIBS})
  rilo_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
