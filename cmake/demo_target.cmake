# The settings that every target of the project shares: C++20 without compiler extensions,
# headers included by their path from the repository root, and the warnings that the
# developers hold the code to (CMAKE_COMPILE_WARNING_AS_ERROR, set in the presets, makes
# them errors).

# Release builds link the C and C++ runtimes into the executables by default: the programs
# run for microseconds, and loading shared runtimes would be most of their cost.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
    set(demo_static_default ON)
else()
    set(demo_static_default OFF)
endif()
option(DEMOS_STATIC_RUNTIME "Link the C and C++ runtimes statically where the toolchain can"
       ${demo_static_default})

# Applies the project's settings to `target`.
function(demo_target_settings target)
    target_compile_features(${target} PRIVATE cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(
        ${target} PRIVATE $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wconversion
                          -Wshadow> $<$<CXX_COMPILER_ID:MSVC>:/W4 /permissive->)
endfunction()

# Links the C and C++ runtimes into the executable `target` when DEMOS_STATIC_RUNTIME is on.
function(demo_static_runtime target)
    if(NOT DEMOS_STATIC_RUNTIME)
        return()
    endif()
    if(MSVC)
        set_target_properties(${target} PROPERTIES MSVC_RUNTIME_LIBRARY
                                                   "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    elseif(NOT APPLE)
        target_link_options(${target} PRIVATE -static)
    endif()
endfunction()

# Declares the console program `name` built from the sources that follow.
function(add_demo_program name)
    add_executable(${name} ${ARGN})
    demo_target_settings(${name})
    demo_static_runtime(${name})
endfunction()
