# The peripheral windows of velmora_app: the time-zone picker, the About box,
# the links and the update reminder, and the place look-up over libgeonames.
find_package(PkgConfig REQUIRED)
pkg_check_modules(GEONAMES REQUIRED IMPORTED_TARGET geonames)

target_sources(velmora_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/about_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/about_dialog.h
  ${CMAKE_CURRENT_LIST_DIR}/gazetteer.cpp ${CMAKE_CURRENT_LIST_DIR}/gazetteer.h
  ${CMAKE_CURRENT_LIST_DIR}/links.cpp ${CMAKE_CURRENT_LIST_DIR}/links.h
  ${CMAKE_CURRENT_LIST_DIR}/location_lookup.cpp ${CMAKE_CURRENT_LIST_DIR}/location_lookup.h
  ${CMAKE_CURRENT_LIST_DIR}/location_lookup_window.h
  ${CMAKE_CURRENT_LIST_DIR}/location_search.cpp ${CMAKE_CURRENT_LIST_DIR}/location_search.h
  ${CMAKE_CURRENT_LIST_DIR}/program_caption.h
  ${CMAKE_CURRENT_LIST_DIR}/time_zone_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/time_zone_dialog.h
)
target_compile_definitions(velmora_app PRIVATE
  VELMORA_HOME_URL="${VELMORA_HOME_URL}"
  VELMORA_DOWNLOAD_URL="${VELMORA_DOWNLOAD_URL}"
  # Lets a build that was never installed open the user guide from the source tree.
  VELMORA_HELP_SOURCE_DIR="${PROJECT_SOURCE_DIR}/resources/help")
target_link_libraries(velmora_app PRIVATE PkgConfig::GEONAMES)

# The user guide; the program looks for it in <prefix>/share/velmora/help beside <prefix>/bin.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/velmora/help)
