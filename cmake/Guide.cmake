# The Chinese user guide as plain text for Windows' Notepad (UTF-8 with a byte order mark,
# CRLF line ends), rendered from README.zh-CN.md at every build so there is one text to keep.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(TAVRIN_GUIDE_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/README.zh-CN.md)
set(TAVRIN_GUIDE_TEXT ${CMAKE_CURRENT_BINARY_DIR}/使用说明.txt)
add_custom_command(OUTPUT ${TAVRIN_GUIDE_TEXT}
                   COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/scripts/render_guide.py
                           ${TAVRIN_GUIDE_SOURCE} ${TAVRIN_GUIDE_TEXT}
                   DEPENDS ${TAVRIN_GUIDE_SOURCE} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/render_guide.py
                   VERBATIM)
add_custom_target(tavrin_guide ALL DEPENDS ${TAVRIN_GUIDE_TEXT})

