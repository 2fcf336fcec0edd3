# Installation (the program and tavrin-cli, desktop entry, icons, AppStream metainfo, man
# pages, changelog and copyright) and the Debian package that CPack builds from it.
include(GNUInstallDirs)

include(cmake/Guide.cmake)

install(TARGETS tavrin tavrin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) leaves out the compilers' notes too, as Debian's own
# packaging tools do: CMake's strip keeps the .comment section.
if(CMAKE_OBJCOPY)
    foreach(program IN ITEMS tavrin tavrin-cli)
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
                    COMMAND_ERROR_IS_FATAL ANY)
            endif()")
    endforeach()
endif()
install(FILES ${TAVRIN_PACKAGING_DIR}/tavrin.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The desktop icon is the dialog's icon, drawn at each size by res/make_images.py.
foreach(size IN ITEMS 16 32 48 64 128)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/res/icons/tavrin-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tavrin.png)
endforeach()

configure_file(${TAVRIN_PACKAGING_DIR}/tavrin.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/tavrin.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tavrin.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Man pages and the changelog are installed compressed; -n keeps the time stamp out, so
# builds are repeatable. RENAME gives the installed name (without .gz) where it differs.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
function(tavrin_install_gzipped source name destination)
    cmake_parse_arguments(G "" "RENAME" "" ${ARGN})
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${output} COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${source} > ${output}
                       DEPENDS ${source} VERBATIM)
    add_custom_target(tavrin_gzip_${name} ALL DEPENDS ${output})
    if(G_RENAME)
        install(FILES ${output} DESTINATION ${destination} RENAME ${G_RENAME}.gz)
    else()
        install(FILES ${output} DESTINATION ${destination})
    endif()
endfunction()
tavrin_install_gzipped(${TAVRIN_PACKAGING_DIR}/tavrin.1 tavrin.1 ${CMAKE_INSTALL_MANDIR}/man1)
# The Chinese page, which "man -L zh_CN tavrin" and a Chinese locale show.
tavrin_install_gzipped(${TAVRIN_PACKAGING_DIR}/tavrin.zh_CN.1 tavrin.zh_CN.1
                       ${CMAKE_INSTALL_MANDIR}/zh_CN/man1 RENAME tavrin.1)
# The same two for tavrin-cli.
tavrin_install_gzipped(${TAVRIN_PACKAGING_DIR}/tavrin-cli.1 tavrin-cli.1
                       ${CMAKE_INSTALL_MANDIR}/man1)
tavrin_install_gzipped(${TAVRIN_PACKAGING_DIR}/tavrin-cli.zh_CN.1 tavrin-cli.zh_CN.1
                       ${CMAKE_INSTALL_MANDIR}/zh_CN/man1 RENAME tavrin-cli.1)
tavrin_install_gzipped(${TAVRIN_CHANGELOG} changelog ${CMAKE_INSTALL_DOCDIR})

# The copyright file in Debian's machine-readable format, made from LICENSE: its copyright
# line, and the licence text after it as the licence paragraph (lines indented by one
# space, blank lines as " .").
if(NOT license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.*)$")
    message(FATAL_ERROR "LICENSE: no copyright line followed by the licence text")
endif()
string(STRIP "${CMAKE_MATCH_2}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
set(TAVRIN_LICENSE_TEXT "${license_text}")
configure_file(${TAVRIN_PACKAGING_DIR}/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. The libraries come from dpkg-shlibdeps (Qt 6 widgets and serial port,
# and what they need; the X11 platform plugin ships with the Qt GUI library on Debian 12);
# the font is named by hand, since the program finds it by face name, not by linking.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TAVRIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "write the network settings of a 6150 controller over a serial port")
# Lines of at most 80 columns, as Debian's policy asks (a Chinese character takes two). The
# Chinese paragraph lets a software centre find the package by the words a technician in
# China searches for, 串口 (serial port) and 中控 (controller).
set(CPACK_PACKAGE_DESCRIPTION
    "tavrin writes the server address, the controller's own address, the subnet\n\
mask, the gateway and the MAC address of a model 6150 controller into the\n\
device through COM1 or COM2, one short binary frame per setting at 9600 baud\n\
8N1.\n\
\n\
中控IP烧写工具：通过串口（COM1 或 COM2，9600 波特，8N1）把服务器 IP、\n\
中控 IP、子网掩码、网关和 MAC 地址写入 6150 中控。")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
include(CPack)
