# The Windows program, cross-built with a mingw-w64 toolchain file (cmake/mingw-w64-*.cmake):
# the program's folders, the class layer and the communications control on the real Windows
# API, with wide characters (UNICODE), the resources from res/tavrin.rc, and the Windows
# serial device. One statically linked tavrin.exe that imports only Windows' own DLLs.
# Warnings are errors: this build has no tests of its own to show what a warning hides.
# What users run is an optimised build, unless another type is asked for.
if(NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
enable_language(RC)

include(cmake/Release.cmake)
include(cmake/Guide.cmake)

add_compile_definitions(UNICODE _UNICODE)
add_compile_options(-Wall -Wextra -Wpedantic -Werror)

function(tavrin_windows_library name)
    set(sources)
    foreach(dir IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

tavrin_windows_library(tavrin_afx platform/afx)
tavrin_windows_library(tavrin_comm platform/comm platform/comm/windows)
get_target_property(comm_sources tavrin_comm SOURCES)
list(FILTER comm_sources EXCLUDE REGEX "CommControlRegistration")
set_target_properties(tavrin_comm PROPERTIES SOURCES "${comm_sources}")
tavrin_windows_library(tavrin_program controls device dialog)
target_sources(tavrin_program PRIVATE app/AboutDialog.cpp)
target_link_libraries(tavrin_comm PUBLIC tavrin_afx oleaut32 advapi32 setupapi)
target_link_libraries(tavrin_program PUBLIC tavrin_comm)
target_link_libraries(tavrin_afx PUBLIC comctl32 oleaut32 user32 gdi32)

# The version block and the manifest take the release from CHANGELOG.
string(REPLACE "." "," TAVRIN_VERSION_COMMAS ${PROJECT_VERSION})
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/rc/Version.h CONTENT
     "#define TAVRIN_VERSION_COMMAS ${TAVRIN_VERSION_COMMAS}\n#define TAVRIN_VERSION_TEXT \"${PROJECT_VERSION}\"\n")
configure_file(res/tavrin.manifest.in ${CMAKE_CURRENT_BINARY_DIR}/rc/tavrin.manifest @ONLY)

file(GLOB res_sources CONFIGURE_DEPENDS res/*.cpp)
add_executable(tavrin WIN32 app/SetupApp.cpp platform/comm/CommControlRegistration.cpp
                            platform/windows/LoadConfig.cpp ${res_sources} res/tavrin.rc)
# The registration and the load configuration are in the program itself: nothing refers to
# them, so from a library the linker would leave them out.
set_source_files_properties(res/tavrin.rc PROPERTIES OBJECT_DEPENDS
    "${CMAKE_CURRENT_BINARY_DIR}/rc/Version.h;${CMAKE_CURRENT_BINARY_DIR}/rc/tavrin.manifest;${CMAKE_CURRENT_SOURCE_DIR}/res/app.ico;${CMAKE_CURRENT_SOURCE_DIR}/res/dialog.ico;${CMAKE_CURRENT_SOURCE_DIR}/res/background.bmp")
target_include_directories(tavrin PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/rc ${CMAKE_CURRENT_SOURCE_DIR}/res)
target_link_libraries(tavrin PRIVATE tavrin_program)
target_link_options(tavrin PRIVATE -static -s -Wl,-Map=${CMAKE_CURRENT_BINARY_DIR}/tavrin.map)
# GNU ld leaves the image's load configuration entry empty: point it at _load_config_used.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(TARGET tavrin POST_BUILD
                   COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/scripts/pe_load_config.py
                           patch $<TARGET_FILE:tavrin> ${CMAKE_CURRENT_BINARY_DIR}/tavrin.map
                   VERBATIM)
include(cmake/WindowsPackaging.cmake)

option(TAVRIN_WINDOWS_API_TESTS "Cross-build the drawing tests on the real Windows API" OFF)
if(TAVRIN_WINDOWS_API_TESTS)
    include(cmake/WindowsApiTests.cmake)
endif()
