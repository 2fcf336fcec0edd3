# The Windows packages, made by CPack in the Windows build tree: a ZIP to unpack and run
# (cpack -G ZIP) and an installer (cpack -G NSIS, Debian's nsis package), both named
# tavrin-<version>-win64 (win32 for a 32-bit build). Each holds tavrin.exe, the command-line
# tavrin-cli.exe, the licence as LICENSE.txt and the Chinese guide, side by side: the programs
# need nothing else.
set(tavrin_windows_arch win32)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(tavrin_windows_arch win64)
endif()

# Everything at the top of the install folder (and of the ZIP's one folder), where a
# technician looks for it. The exe is linked stripped already.
install(TARGETS tavrin tavrin-cli RUNTIME DESTINATION .)
# The licence with Windows line ends and a .txt name, so that a double click opens it in
# any Notepad. The guide is already written for Notepad.
configure_file(${TAVRIN_LICENSE} ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt ${TAVRIN_GUIDE_TEXT} DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The publisher is whoever LICENSE says holds the copyright, without the years.
string(REGEX REPLACE "^[0-9][0-9, -]*" "" CPACK_PACKAGE_VENDOR "${TAVRIN_COPYRIGHT}")
# The Debian package's summary (cmake/Packaging.cmake), word for word.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "write the network settings of a 6150 controller over a serial port")
set(CPACK_SYSTEM_NAME ${tavrin_windows_arch})
set(CPACK_PACKAGE_FILE_NAME tavrin-${PROJECT_VERSION}-${tavrin_windows_arch})
set(CPACK_STRIP_FILES OFF)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)

# The installer. The folder and the registry key carry no version, so that a new release
# replaces the old one (uninstalling it first) and Apps & features lists tavrin once.
set(tavrin_display_name "tavrin 中控IP烧写")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tavrin)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY tavrin)
if(tavrin_windows_arch STREQUAL win64)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
else()
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
endif()
set(CPACK_NSIS_DISPLAY_NAME "${tavrin_display_name}")
set(CPACK_NSIS_PACKAGE_NAME "${tavrin_display_name}")
set(CPACK_NSIS_CONTACT "${TAVRIN_MAINTAINER}")
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/res/app.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/res/app.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME tavrin.exe)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The Start menu entry, straight to the exe in the install folder. There is no "run now"
# on the last page: the installer runs as administrator, and so would the program.
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MENU_LINKS tavrin.exe "${tavrin_display_name}")
# The installer offers to put the install folder on the PATH, so that tavrin-cli runs from any
# console; the uninstaller takes it off again. NSIS shows its pages in the system's language,
# Chinese on a Chinese Windows.
set(CPACK_NSIS_MODIFY_PATH ON)
# The names above are Chinese: the installer must be a Unicode one (makensis 3.07 and later
# make one anyway; older ones made ANSI installers by default). CMake's script is UTF-8.
set(CPACK_NSIS_DEFINES "Unicode true")

include(CPack)
