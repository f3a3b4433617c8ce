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

# A library of our own code. Usage: velkaro_library(name SOURCES...) ; links are added by the caller.
function(velkaro_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    velkaro_warnings(${name})
    if(WIN32)
        # Each function in a section of its own, so that the program links only what it calls;
        # optimised for size, since a desktop program's code waits on its user, not its loops.
        target_compile_options(${name} PRIVATE -ffunction-sections -fdata-sections
                                               $<$<CONFIG:Release>:-Os>)
    endif()
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
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${VELKARO_GTEST_LIBS})
    if(WIN32)
        target_link_libraries(${name} PRIVATE gtest_main)
        target_link_options(${name} PRIVATE -static)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300
                                                 ENVIRONMENT "${VELKARO_WINE_ENV}")
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

# Adds every folder below the current one that has a CMakeLists.txt (one folder per area).
# A folder named "windows" holds Windows programs and is added only for Windows.
function(velkaro_add_area_folders)
    file(GLOB areas LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(area IN LISTS areas)
        get_filename_component(name ${area} NAME)
        if(name STREQUAL "windows" AND NOT WIN32)
            continue()
        endif()
        if(EXISTS ${area}/CMakeLists.txt)
            add_subdirectory(${area})
        endif()
    endforeach()
endfunction()
