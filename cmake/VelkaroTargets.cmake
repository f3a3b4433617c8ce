# Helpers shared by every folder: warnings, sanitizers, test registration.
option(VELKARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELKARO_FUZZ "Build the libFuzzer targets (clang only)" OFF)
option(VELKARO_BENCH "Build the Google Benchmark programs" OFF)
set(VELKARO_FUZZ_SECONDS 10 CACHE STRING "How long each fuzzer runs inside the test suite")

if(VELKARO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Windows programs are shipped: optimised for size (nothing in them is bound by computing), and
# unused functions and data are left out when linking.
if(WIN32)
    add_compile_options($<$<CONFIG:Release>:-Os> -ffunction-sections -fdata-sections)
    add_link_options(-Wl,--gc-sections)
endif()

# Our own code: every warning is an error. Third-party code does not get these flags.
function(velkaro_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(WIN32)
        target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                     _WIN32_WINNT=0x0601)
    endif()
endfunction()

# Includes name a file from the source root ("editors/cxEdit/cxEdit.h"), yet a target reaches only
# the top-level folders it may use: each folder has an include root of its own in the build tree,
# holding nothing but a link to that folder. A library passes its folder's root on to what links
# it, so an include from a layer the library does not link (one above it) is not found.
# Where the file system makes no links, the root is the source root and every folder is seen; the
# layers test still fails on an include that runs up.
function(velkaro_include_root folder out)
    set(root ${CMAKE_BINARY_DIR}/include/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} RESULT failed SYMBOLIC)
    if(failed)
        set(root ${PROJECT_SOURCE_DIR})
    endif()
    set(${out} ${root} PARENT_SCOPE)
endfunction()

# A program that is no library (a test, fuzzer or benchmark) sees the given folders besides what
# it links. Usage: velkaro_sees(target folders...)
function(velkaro_sees target)
    foreach(folder IN LISTS ARGN)
        velkaro_include_root(${folder} root)
        target_include_directories(${target} PRIVATE ${root})
    endforeach()
endfunction()

# A library of our own code. Usage: velkaro_library(name SOURCES...) ; links are added by the caller.
# It sees the top-level folder it lives in and passes that on.
function(velkaro_library name)
    add_library(${name} STATIC ${ARGN})
    file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    string(REGEX REPLACE "/.*" "" folder ${path})
    velkaro_include_root(${folder} root)
    target_include_directories(${name} PUBLIC ${root})
    velkaro_warnings(${name})
endfunction()

# GoogleTest: the host's package natively, built from the distribution's sources for MinGW.
set(VELKARO_TESTS ON)
if(WIN32)
    set(VELKARO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    if(NOT EXISTS ${VELKARO_GTEST_SOURCE}/CMakeLists.txt)
        message(STATUS "No GoogleTest sources at ${VELKARO_GTEST_SOURCE}: the tests are not built")
        set(VELKARO_TESTS OFF)
    elseif(NOT TARGET gtest)
        set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
        add_subdirectory(${VELKARO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    endif()
    set(VELKARO_GTEST_LIBS gtest gmock)
else()
    find_package(GTest REQUIRED)
    set(VELKARO_GTEST_LIBS GTest::gtest GTest::gmock)
endif()

# A GoogleTest program of our own. Usage: velkaro_test(name SOURCES... LIBS libs...)
# Under MinGW ctest runs it through Wine (CMAKE_CROSSCOMPILING_EMULATOR) with the shared
# Wine prefix, display and wineserver that the wine fixture prepares.
function(velkaro_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    velkaro_warnings(${name})
    velkaro_sees(${name} tests)
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${VELKARO_GTEST_LIBS})
    if(WIN32)
        target_link_libraries(${name} PRIVATE gtest_main)
        target_link_options(${name} PRIVATE -static)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        # A program that dies under Wine (of a stack overflow, say) can still exit with 0: it has
        # passed only when GoogleTest's closing summary says so and names no failure.
        set_tests_properties(
            ${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300 ENVIRONMENT "${VELKARO_WINE_ENV}"
                               PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
                               FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
    endif()
endfunction()

# Cross-compiled, every Windows test shares one fresh Wine prefix, display and wineserver per run.
if(WIN32 AND CMAKE_CROSSCOMPILING)
    set(VELKARO_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
    set(VELKARO_WINE_ENV VELKARO_WINE_DIR=${VELKARO_WINE_DIR})
    add_test(NAME wine_setup COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-fixture setup)
    add_test(NAME wine_cleanup COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-fixture cleanup)
    set_tests_properties(wine_setup PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${VELKARO_WINE_ENV}"
                                               TIMEOUT 180)
    set_tests_properties(wine_cleanup PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${VELKARO_WINE_ENV}")
endif()
