# The release: its version, date and maintainer from the latest entry of CHANGELOG, and the
# copyright line of LICENSE. Both platforms' builds take them from here.
set(TAVRIN_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(TAVRIN_CHANGELOG ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG)
set(TAVRIN_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TAVRIN_CHANGELOG} ${TAVRIN_LICENSE})

# The release is the latest entry of CHANGELOG, which is in Debian's changelog format (the
# package is native, so it is the package's changelog as it is): its version must be the
# project's, its date is the one the metainfo announces, and who signed it is the package's
# maintainer.
file(STRINGS ${TAVRIN_CHANGELOG} changelog_heads REGEX "^tavrin \\(")
string(REGEX MATCH "^tavrin \\(([^)]+)\\)" head "${changelog_heads}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "CHANGELOG's latest entry is ${CMAKE_MATCH_1}, the project is "
                        "${PROJECT_VERSION}: add an entry for this release")
endif()
file(STRINGS ${TAVRIN_CHANGELOG} changelog_trailers REGEX "^ -- ")
list(GET changelog_trailers 0 trailer)
set(signature_pattern "^ -- (.+ <[^>]+>)  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9]+) ")
if(NOT trailer MATCHES "${signature_pattern}")
    message(FATAL_ERROR "CHANGELOG: no maintainer and date in \"${trailer}\"")
endif()
set(TAVRIN_MAINTAINER "${CMAKE_MATCH_1}")
set(release_day ${CMAKE_MATCH_2})
set(release_year ${CMAKE_MATCH_4})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_3} release_month)
math(EXPR release_month "${release_month} + 101") # the month's two digits after a 1
string(SUBSTRING ${release_month} 1 2 release_month)
set(TAVRIN_RELEASE_DATE ${release_year}-${release_month}-${release_day})

file(READ ${TAVRIN_LICENSE} license)
if(NOT license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.*)$")
    message(FATAL_ERROR "LICENSE: no copyright line followed by the licence text")
endif()
set(TAVRIN_COPYRIGHT "${CMAKE_MATCH_1}")
