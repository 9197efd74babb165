# The helpers that register the project's tests. Every test runs with the same
# locale and time zone, so that no result depends on the machine's settings.
#
#   velmora_add_gtest(name label LIBRARIES libs... SOURCES files...)
#       A GoogleTest program; every test it lists gets the label.
#   velmora_add_core_test(name sources...)
#       A GoogleTest program over velmora_core, label "core".
#   velmora_add_cli_test(name LIBRARIES libs... SOURCES files...)
#       A GoogleTest program over the command's parts that may also run the
#       built velmora-cli (its path is VELMORA_CLI_PROGRAM), label "cli".
#   velmora_add_gui_test(target [TEST_NAME name] [TIMEOUT seconds] [ARGS args...]
#                        LIBRARIES libs... SOURCES files...)
#       A Qt program run headless with its own home, configuration and runtime
#       folders inside the build tree, label "gui". The test is named after the
#       target unless TEST_NAME says otherwise.

find_package(GTest REQUIRED)
include(GoogleTest)
if(VELMORA_BUILD_GUI)
  find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Test)
endif()

set(VELMORA_TEST_ENVIRONMENT LANG=C.UTF-8 TZ=UTC)

# A GoogleTest program: every test it lists becomes a CTest test with the given label.
function(velmora_add_gtest name label)
  cmake_parse_arguments(arg "" "" "LIBRARIES;SOURCES" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} velmora_warnings GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} TEST_LIST ${name}_TESTS PROPERTIES LABELS ${label} DISCOVERY_TIMEOUT 60)
  # Discovery would split a list-valued property into separate arguments, so the
  # environment is set on the discovered tests by a CTest script read after them.
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  file(WRITE ${script}
       "if(${name}_TESTS)\n"
       "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT [==[${VELMORA_TEST_ENVIRONMENT}]==])\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()

function(velmora_add_core_test name)
  velmora_add_gtest(${name} core LIBRARIES velmora_core SOURCES ${ARGN})
endfunction()

function(velmora_add_cli_test name)
  velmora_add_gtest(${name} cli ${ARGN})
  target_compile_definitions(${name} PRIVATE VELMORA_CLI_PROGRAM="$<TARGET_FILE:velmora-cli>")
  add_dependencies(${name} velmora-cli)
endfunction()

function(velmora_add_gui_test target)
  cmake_parse_arguments(arg "" "TEST_NAME;TIMEOUT" "ARGS;LIBRARIES;SOURCES" ${ARGN})
  if(NOT arg_TEST_NAME)
    set(arg_TEST_NAME ${target})
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  add_executable(${target} ${arg_SOURCES})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_link_libraries(${target} PRIVATE ${arg_LIBRARIES} Qt6::Test velmora_warnings)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${arg_TEST_NAME} COMMAND ${target} ${arg_ARGS})
  set(sandbox ${CMAKE_CURRENT_BINARY_DIR}/${arg_TEST_NAME}-sandbox)
  file(MAKE_DIRECTORY ${sandbox})
  set_tests_properties(${arg_TEST_NAME} PROPERTIES
    LABELS gui
    TIMEOUT ${arg_TIMEOUT}
    ENVIRONMENT "${VELMORA_TEST_ENVIRONMENT};QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=30000;HOME=${sandbox}/home;XDG_CONFIG_HOME=${sandbox}/config;XDG_RUNTIME_DIR=${sandbox}/runtime")
endfunction()
