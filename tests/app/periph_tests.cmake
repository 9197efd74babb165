# Tests of the peripheral windows (included from tests/app/CMakeLists.txt,
# after cmake/velmora_qt_test.cmake).
velmora_add_gui_test(time_zone_dialog_test LIBRARIES velmora_app SOURCES ${CMAKE_CURRENT_LIST_DIR}/time_zone_dialog_test.cpp)
velmora_add_gui_test(links_test LIBRARIES velmora_app SOURCES ${CMAKE_CURRENT_LIST_DIR}/links_test.cpp)
velmora_add_gui_test(about_dialog_test LIBRARIES velmora_app SOURCES ${CMAKE_CURRENT_LIST_DIR}/about_dialog_test.cpp)
velmora_add_gui_test(location_lookup_test LIBRARIES velmora_app SOURCES ${CMAKE_CURRENT_LIST_DIR}/location_lookup_test.cpp)
target_compile_definitions(links_test PRIVATE
  EXPECTED_HOME_URL="${VELMORA_HOME_URL}" EXPECTED_DOWNLOAD_URL="${VELMORA_DOWNLOAD_URL}")
target_compile_definitions(about_dialog_test PRIVATE EXPECTED_HOME_URL="${VELMORA_HOME_URL}")
