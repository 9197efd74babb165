# velmora_add_gui_test(name LIBRARIES libs... SOURCES files...): a QtTest program run
# headless with its own home, configuration and runtime folders inside the build tree.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Test)

function(velmora_add_gui_test name)
  cmake_parse_arguments(arg "" "" "LIBRARIES;SOURCES" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} Qt6::Test velmora_warnings)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set(sandbox ${CMAKE_CURRENT_BINARY_DIR}/${name}-sandbox)
  file(MAKE_DIRECTORY ${sandbox})
  set_tests_properties(${name} PROPERTIES
    LABELS gui
    TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=30000;HOME=${sandbox}/home;XDG_CONFIG_HOME=${sandbox}/config;XDG_RUNTIME_DIR=${sandbox}/runtime")
endfunction()
