# Installation (program, desktop entry, icons, AppStream metainfo, man page) and the Debian
# package that CPack builds from it.
include(GNUInstallDirs)

set(TAVRIN_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
# The date of the release the metainfo announces.
set(TAVRIN_RELEASE_DATE 2026-12-08)

install(TARGETS tavrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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

# Man pages are installed compressed; -n keeps the time stamp out, so builds are repeatable.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/tavrin.1.gz
                   COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${TAVRIN_PACKAGING_DIR}/tavrin.1 >
                           ${CMAKE_CURRENT_BINARY_DIR}/tavrin.1.gz
                   DEPENDS ${TAVRIN_PACKAGING_DIR}/tavrin.1 VERBATIM)
add_custom_target(tavrin_man ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/tavrin.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tavrin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package. The libraries come from dpkg-shlibdeps (Qt 6 widgets and serial port,
# and what they need; the X11 platform plugin ships with the Qt GUI library on Debian 12);
# the font is named by hand, since the program finds it by face name, not by linking.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "tavrin maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "write the network settings of a 6150 controller over a serial port")
set(CPACK_PACKAGE_DESCRIPTION
    "tavrin writes the server address, the controller's own address, the subnet mask, the\n\
gateway and the MAC address of a model 6150 controller into the device through COM1\n\
or COM2, one short binary frame per setting at 9600 baud 8N1.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
include(CPack)
