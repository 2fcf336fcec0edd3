# With a Windows toolchain (cmake/mingw-w64-x86_64.cmake) this tree builds, for now, the
# pieces that are written against the Windows API alone, as libraries against the real
# Windows headers, with wide characters (UNICODE): the class layer, the communications
# control's shared logic and the program's device and controls folders. Warnings are errors:
# these must build cleanly. Left out until they are ported: control hosting and the
# automation values (their VARIANT is this platform's own, not the system's), the handle map
# (it listens to the Linux engine's handle destruction), the dialog and the application.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

file(GLOB afx_sources ${CMAKE_CURRENT_SOURCE_DIR}/platform/afx/*.cpp)
file(GLOB comm_sources ${CMAKE_CURRENT_SOURCE_DIR}/platform/comm/*.cpp)
file(GLOB program_sources ${CMAKE_CURRENT_SOURCE_DIR}/controls/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/device/*.cpp)

add_library(tavrin_windows_portable STATIC ${afx_sources} ${comm_sources} ${program_sources})
target_include_directories(tavrin_windows_portable PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(tavrin_windows_portable PRIVATE UNICODE _UNICODE)
target_compile_options(tavrin_windows_portable PRIVATE -Wall -Wextra -Wpedantic -Werror)
