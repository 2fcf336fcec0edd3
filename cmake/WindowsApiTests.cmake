# The drawing tests written on the Windows API alone (tests/winapi), cross-built against the
# real API: tavrin_winapi_tests.exe, googletest and the class layer statically linked, so that
# what the tests pin of the engine is seen to hold on Windows too; and the site mode's tests,
# so that its Windows file and text calls run on the real API. Run it with
# tests/winapi/run_under_wine.py, or `ctest` in this tree. Included by cmake/Windows.cmake
# when TAVRIN_WINDOWS_API_TESTS is on.
set(TAVRIN_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
    "googletest's sources (Debian's googletest package), built here for Windows")
if(NOT EXISTS ${TAVRIN_GOOGLETEST_SOURCE}/googletest/src/gtest-all.cc)
    message(FATAL_ERROR "googletest's sources are not in ${TAVRIN_GOOGLETEST_SOURCE}: "
                        "apt-get install googletest, or set TAVRIN_GOOGLETEST_SOURCE")
endif()

# googletest is not ours: its own warnings are not errors here, and its headers are system
# headers to the tests.
set(gtest_dir ${TAVRIN_GOOGLETEST_SOURCE}/googletest)
add_library(tavrin_gtest STATIC ${gtest_dir}/src/gtest-all.cc ${gtest_dir}/src/gtest_main.cc)
target_include_directories(tavrin_gtest PRIVATE ${gtest_dir})
target_include_directories(tavrin_gtest SYSTEM PUBLIC ${gtest_dir}/include)
target_compile_options(tavrin_gtest PRIVATE -Wno-error)

# The test sources are the ones the Linux build runs on the engine; the canvas under them is
# the Windows one.
file(GLOB winapi_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/winapi/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/tests/winapi/*.h)
# The handle maps' tests are the class layer's, written on the API alone: they run here too.
add_executable(tavrin_winapi_tests ${winapi_test_sources} tests/platform/afx/HandleMapTest.cpp
                                   tests/winapi/windows/WindowsCanvas.cpp)
target_include_directories(tavrin_winapi_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests
                                                   ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tavrin_winapi_tests PRIVATE tavrin_afx tavrin_gtest)
target_link_options(tavrin_winapi_tests PRIVATE -static)

# The site mode's tests: the portable ones and the Windows record tests, on the Windows file
# and text calls (tavrin_site_tests.exe).
file(GLOB site_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/site/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/tests/site/*.h ${CMAKE_CURRENT_SOURCE_DIR}/tests/site/windows/*.cpp)
add_executable(tavrin_site_tests ${site_test_sources})
target_include_directories(tavrin_site_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tavrin_site_tests PRIVATE tavrin_site tavrin_gtest)
target_link_options(tavrin_site_tests PRIVATE -static)

# `ctest` in this tree runs the exe under Wine in a prefix of its own, made afresh each run.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
enable_testing()
add_test(NAME winapi_under_wine
         COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/tests/winapi/run_under_wine.py
                 $<TARGET_FILE:tavrin_winapi_tests> ${CMAKE_CURRENT_BINARY_DIR}/wine-prefix)
set_tests_properties(winapi_under_wine PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77)
add_test(NAME site_under_wine
         COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/tests/winapi/run_under_wine.py
                 $<TARGET_FILE:tavrin_site_tests> ${CMAKE_CURRENT_BINARY_DIR}/wine-prefix)
set_tests_properties(site_under_wine PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77 RUN_SERIAL TRUE)
