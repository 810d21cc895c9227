# The settings that every target of the project shares: C++20 without compiler extensions,
# headers included by their path from the repository root, and the warnings that the
# developers hold the code to (CMAKE_COMPILE_WARNING_AS_ERROR, set in the presets, makes
# them errors).

# Release executables link the C and C++ runtimes in by default: the programs run for
# microseconds, and loading shared runtimes would be most of their cost. AUTO decides per
# configuration as it is built, so a Release build of a multi-config generator (Visual
# Studio, Ninja Multi-Config) is static too, while its Debug build is not.
set(DEMOS_STATIC_RUNTIME
    AUTO
    CACHE STRING "Link the C and C++ runtimes statically: AUTO (Release builds only), ON or OFF")
set_property(CACHE DEMOS_STATIC_RUNTIME PROPERTY STRINGS AUTO ON OFF)

# Test executables take the runtime that the GoogleTest they link was built for. Packaged
# GoogleTest builds (Debian's, vcpkg's) expect the shared runtime, so tests stay dynamic
# unless this is on; the builds that make their own static GoogleTest (32-bit Linux under
# qemu, Windows under Wine) turn it on so that the tests run with nothing beside them.
option(DEMOS_STATIC_TESTS "Link the test executables' C and C++ runtimes statically" OFF)

# Applies the project's settings to `target`.
function(demo_target_settings target)
    target_compile_features(${target} PRIVATE cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(
        ${target} PRIVATE $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wconversion
                          -Wshadow> $<$<CXX_COMPILER_ID:MSVC>:/W4 /permissive->)
endfunction()

# Links the C and C++ runtimes into the executable `target` when `static` (a generator
# expression, 1 or 0 for the configuration being built) says so.
function(demo_runtime target static)
    if(MSVC)
        set_target_properties(
            ${target} PROPERTIES MSVC_RUNTIME_LIBRARY
                                 "MultiThreaded$<$<CONFIG:Debug>:Debug>$<$<NOT:${static}>:DLL>")
    elseif(NOT APPLE)
        target_link_options(${target} PRIVATE $<${static}:-static>)
    endif()
endfunction()

# Declares the console program `name` built from the sources that follow.
function(add_demo_program name)
    add_executable(${name} ${ARGN})
    demo_target_settings(${name})
    if(DEMOS_STATIC_RUNTIME STREQUAL "AUTO")
        demo_runtime(${name} "$<CONFIG:Release>")
    else()
        demo_runtime(${name} "$<BOOL:${DEMOS_STATIC_RUNTIME}>")
    endif()
endfunction()

# Declares the test executable `name` built from the sources that follow.
function(add_demo_test_executable name)
    add_executable(${name} ${ARGN})
    demo_target_settings(${name})
    demo_runtime(${name} "$<BOOL:${DEMOS_STATIC_TESTS}>")
endfunction()
