# The Windows serial device's tests (tests/platform/windows/serial), cross-built against the
# real API: tavrin_serial_tests.exe, run under Wine like the drawing tests (ctest in this tree,
# or tests/winapi/run_under_wine.py). They drive the device over fake drivers that misbehave
# as real ones do, so they need no port. Included by cmake/Windows.cmake after
# cmake/WindowsApiTests.cmake, whose googletest they link.
file(GLOB serial_test_sources CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/tests/platform/windows/serial/*.cpp)
add_executable(tavrin_serial_tests ${serial_test_sources})
# The device's folders are hidden from what links it; its tests look inside.
target_include_directories(tavrin_serial_tests PRIVATE
                           ${CMAKE_BINARY_DIR}/layers/tavrin_serial_device)
target_link_libraries(tavrin_serial_tests PRIVATE tavrin_serial_device tavrin_gtest)
target_link_options(tavrin_serial_tests PRIVATE -static)
add_test(NAME serial_under_wine
         COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/tests/winapi/run_under_wine.py
                 $<TARGET_FILE:tavrin_serial_tests> ${CMAKE_CURRENT_BINARY_DIR}/serial-wine-prefix)
set_tests_properties(serial_under_wine PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77)
