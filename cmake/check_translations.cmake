# Fails when a translation file lacks a message of the sources or holds one that is
# unfinished or empty. A copy of the file is brought up to date with the sources by
# lupdate first, so a new English message that nobody translated fails too.
#
#   cmake -DLUPDATE=<lupdate> -DGENERATE_PROJECT=<GenerateLUpdateProject.cmake>
#         -DPROJECT_IN=<target's .lupdate/..._project.cmake> -DTS_FILE=<file.ts>
#         -DWORK_DIR=<scratch folder> -P check_translations.cmake

foreach(variable LUPDATE GENERATE_PROJECT PROJECT_IN TS_FILE WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "check_translations: ${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${name})
configure_file(${TS_FILE} ${copy} COPYONLY)

execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_IN} -DOUT_FILE=${WORK_DIR}/project.json
                        -P ${GENERATE_PROJECT}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "check_translations: could not list the sources (${result})")
endif()
execute_process(COMMAND ${LUPDATE} -project ${WORK_DIR}/project.json -ts ${copy} -no-obsolete -locations none
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "check_translations: lupdate failed (${result}):\n${output}")
endif()

file(READ ${copy} text)
string(REGEX MATCHALL "<message[^>]*>" messages "${text}")
list(LENGTH messages messageCount)
if(messageCount EQUAL 0)
  message(FATAL_ERROR "check_translations: ${name} holds no message")
endif()
# Each message's source with its translation, so that the faults can be named.
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]+comment>[^<]*</[a-z]+comment>[^<]*)*<translation[^>]*/>"
       empty "${text}")
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]+comment>[^<]*</[a-z]+comment>[^<]*)*<translation>[ \t\r\n]*</translation>"
       blank "${text}")
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]+comment>[^<]*</[a-z]+comment>[^<]*)*<translation type=\"(unfinished|vanished|obsolete)\""
       unfinished "${text}")
set(faults ${empty} ${blank} ${unfinished})
if(faults)
  list(LENGTH faults faultCount)
  string(REPLACE ";" "\n" listed "${faults}")
  message(FATAL_ERROR "check_translations: ${faultCount} of ${messageCount} messages in ${name} have no "
                      "finished translation (run the update_translations target and translate them):\n${listed}")
endif()
message(STATUS "check_translations: all ${messageCount} messages of ${name} are translated")
