# What lies beneath the program on Linux: the Windows API as our engine over Qt (its headers
# in platform/linux/include stand for the system's <windows.h>), the serial device over Qt
# Serial Port, and the start-up that makes sure there is a display before Qt starts. Qt is
# private to these libraries: the class layer and the program cannot include it, even
# through a header.
# The folder of each piece's Linux code (site/linux).
set(TAVRIN_SYSTEM_FOLDER linux)
option(TAVRIN_SANITIZE "Build with the address and undefined-behaviour sanitizers" OFF)

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets SerialPort)

add_compile_options(-Wall -Wextra -Wpedantic)
if(TAVRIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
# The fuzz tests of the site's readers (scripts/fuzz.sh): clang's libFuzzer, with the code
# under test instrumented for it and built with the same sanitizers.
option(TAVRIN_FUZZ "Build the fuzz tests (clang only)" OFF)
if(TAVRIN_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

tavrin_library(tavrin_api HIDDEN FOLDERS platform/linux/kernel platform/linux/user
               platform/linux/gdi platform/linux/oleaut PRIVATE Qt6::Widgets)
target_include_directories(tavrin_api PUBLIC ${CMAKE_SOURCE_DIR}/platform/linux/include)
tavrin_library(tavrin_serial_device HIDDEN FOLDERS platform/linux/serial LINK tavrin_serial
               PRIVATE Qt6::Core Qt6::SerialPort)
# The display check asks the libraries that the toolkit's X and Wayland plugins use.
find_package(PkgConfig REQUIRED)
pkg_check_modules(DISPLAY_LIBRARIES REQUIRED IMPORTED_TARGET xcb wayland-client)
tavrin_library(tavrin_startup HIDDEN FOLDERS platform/linux/startup LINK tavrin_api
               PRIVATE Qt6::Widgets PkgConfig::DISPLAY_LIBRARIES)

# The icons, the bitmap and the strings come from the resource script that the Windows build
# compiles, read into a table of registrations with the engine; the images themselves are Qt
# resources. Added to the program's resource library.
macro(tavrin_system_resources target)
    set(script_resources ${CMAKE_BINARY_DIR}/ScriptResources.cpp)
    add_custom_command(OUTPUT ${script_resources}
                       COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/rc_table.py
                               ${CMAKE_SOURCE_DIR}/res/tavrin.rc ${script_resources}
                       DEPENDS res/tavrin.rc scripts/rc_table.py VERBATIM)
    target_sources(${target} PRIVATE ${script_resources})
    # It stands for the compiled script, so it alone reaches the engine's registrations.
    set_source_files_properties(${script_resources} PROPERTIES INCLUDE_DIRECTORIES
                                "${CMAKE_BINARY_DIR}/layers/tavrin_api;${CMAKE_SOURCE_DIR}")
    target_link_libraries(${target} PRIVATE Qt6::Core)
    qt_add_resources(${target} tavrin_images PREFIX /res BASE res
                     FILES res/app.ico res/dialog.ico res/background.bmp)
endmacro()

set(TAVRIN_SYSTEM Linux)

# The command-line program, linked as it is; installed and packaged with the dialog.
macro(tavrin_console_program target)
endmacro()

# Linked as it is; installed and packaged by cmake/Packaging.cmake.
macro(tavrin_system_program target)
    include(cmake/Packaging.cmake)
endmacro()
