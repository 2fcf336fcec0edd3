# What lies beneath the program on Windows, cross-built with a mingw-w64 toolchain file
# (cmake/mingw-w64-*.cmake): the real Windows API with wide characters (UNICODE), the Windows
# serial device, the resources compiled from res/tavrin.rc, and one statically linked
# tavrin.exe that imports only Windows' own DLLs.
# Warnings are errors: this build has no tests of its own to show what a warning hides.
# What users run is an optimised build, unless another type is asked for.
if(NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()
enable_language(RC)

include(cmake/Guide.cmake)

# The folder of each piece's Windows code (site/windows).
set(TAVRIN_SYSTEM_FOLDER windows)
add_compile_definitions(UNICODE _UNICODE)
add_compile_options(-Wall -Wextra -Wpedantic -Werror)

# The file dialogs and the shell serve the site mode alone: they are delay-loaded, at their
# first call, so that a start with the mode off loads no more DLLs than before. mingw-w64 ships
# no delay-load libraries, so dlltool makes them from the few functions the program calls.
find_program(TAVRIN_DLLTOOL ${TAVRIN_MINGW_TRIPLE}-dlltool REQUIRED)
# The names carry their stdcall argument bytes, which the 32-bit build links by and the 64-bit
# one has none of.
set(tavrin_delay_comdlg32 GetOpenFileNameW@4 GetSaveFileNameW@4)
set(tavrin_delay_shell32 SHGetFolderPathW@20 ShellExecuteW@24)
foreach(dll IN ITEMS comdlg32 shell32)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        list(TRANSFORM tavrin_delay_${dll} REPLACE "@[0-9]+$" "")
    endif()
    list(JOIN tavrin_delay_${dll} "\n" exports)
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/delay/${dll}.def
         CONTENT "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a
                       COMMAND ${TAVRIN_DLLTOOL} --input-def ${dll}.def --kill-at
                               --output-delaylib lib${dll}_delay.a
                       DEPENDS ${CMAKE_BINARY_DIR}/delay/${dll}.def
                       WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/delay VERBATIM)
    add_custom_target(tavrin_delay_${dll} DEPENDS ${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a)
endforeach()

add_library(tavrin_api INTERFACE)
add_dependencies(tavrin_api tavrin_delay_comdlg32 tavrin_delay_shell32)
target_link_libraries(tavrin_api INTERFACE comctl32 oleaut32 user32 gdi32
                      ${CMAKE_BINARY_DIR}/delay/libcomdlg32_delay.a
                      ${CMAKE_BINARY_DIR}/delay/libshell32_delay.a)
tavrin_library(tavrin_serial_device HIDDEN FOLDERS platform/windows/serial LINK tavrin_serial
               PRIVATE advapi32 setupapi)
# The load configuration, which nothing refers to: an object library keeps it in the exe.
tavrin_library(tavrin_startup OBJECT HIDDEN FOLDERS platform/windows/startup)
# The resources are compiled into the program from res/tavrin.rc (tavrin_system_program).
macro(tavrin_system_resources target)
endmacro()

# The version block and the manifest take the release from CHANGELOG.
string(REPLACE "." "," TAVRIN_VERSION_COMMAS ${PROJECT_VERSION})
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/rc/Version.h CONTENT
     "#define TAVRIN_VERSION_COMMAS ${TAVRIN_VERSION_COMMAS}\n#define TAVRIN_VERSION_TEXT \"${PROJECT_VERSION}\"\n")
configure_file(res/tavrin.manifest.in ${CMAKE_BINARY_DIR}/rc/tavrin.manifest @ONLY)

set(TAVRIN_SYSTEM Windows)

# A program linked statically and stripped, with the load configuration that takes its DLLs
# from the system folder only; GNU ld leaves the image's load configuration entry empty, so
# it is pointed at _load_config_used afterwards.
macro(tavrin_static_program target)
    target_link_options(${target} PRIVATE -static -s -Wl,-Map=${CMAKE_BINARY_DIR}/${target}.map)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    add_custom_command(TARGET ${target} POST_BUILD
                       COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/pe_load_config.py
                               patch $<TARGET_FILE:${target}> ${CMAKE_BINARY_DIR}/${target}.map
                       VERBATIM)
endmacro()

# The command-line program: a console program (wmain, for arguments in UTF-16), linked as the
# dialog is; packaged beside it.
macro(tavrin_console_program target)
    target_link_options(${target} PRIVATE -municode)
    target_link_libraries(${target} PRIVATE tavrin_startup)
    tavrin_static_program(${target})
endmacro()

# The program with its resource script, linked as above.
macro(tavrin_system_program target)
    target_sources(${target} PRIVATE res/tavrin.rc)
    set_source_files_properties(res/tavrin.rc PROPERTIES OBJECT_DEPENDS
        "${CMAKE_BINARY_DIR}/rc/Version.h;${CMAKE_BINARY_DIR}/rc/tavrin.manifest;${CMAKE_SOURCE_DIR}/res/app.ico;${CMAKE_SOURCE_DIR}/res/dialog.ico;${CMAKE_SOURCE_DIR}/res/background.bmp")
    target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/rc ${CMAKE_SOURCE_DIR}/res)
    tavrin_static_program(${target})
    include(cmake/WindowsPackaging.cmake)

    option(TAVRIN_WINDOWS_API_TESTS "Cross-build the drawing tests on the real Windows API" OFF)
    if(TAVRIN_WINDOWS_API_TESTS)
        include(cmake/WindowsApiTests.cmake)
        include(cmake/WindowsSerialTests.cmake)
    endif()
endmacro()
