# Settings of the cross builds (x64 and x86).
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN)

include(${CMAKE_CURRENT_LIST_DIR}/googletest.cmake)

# Both builds run their tests under Wine (x86 under the 32-bit loader).
set(RILO_RUN_TESTS ON)

# rilo_add_test(name sources... [LIBS libs...] [SCREEN WxHxD] [TIMEOUT s])
function(rilo_add_test name)
  cmake_parse_arguments(T "" "SCREEN;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE GTest::gtest_main ${T_LIBS})
  rilo_warnings(${name})
  if(RILO_RUN_TESTS)
    add_test(NAME ${name} COMMAND ${name})
    set(env "")
    if(T_SCREEN)
      list(APPEND env "RILO_SCREEN=${T_SCREEN}")
    endif()
    if(NOT T_TIMEOUT)
      set(T_TIMEOUT 300)
    endif()
    list(APPEND env "RILO_WINE_TIMEOUT=${T_TIMEOUT}" "RILO_BUILD_DIR=${RILO_TOP_BUILD_DIR}")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600
                         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
endfunction()
