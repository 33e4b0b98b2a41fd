# Installation as a desktop program (cmake --install BUILD [--prefix P]) and its Debian package
# (cpack -G DEB in the build directory). The directories are fixed rather than GNUInstallDirs:
# the program looks for its manual and bundled data in ../share/porvap next to its executable.
# Every rule belongs to the component "porvap", the only one the package takes.

set(porvap_programs porvap-run)
if(TARGET porvap-epw2pvh)
  list(APPEND porvap_programs porvap-epw2pvh)
endif()
if(TARGET porvap)
  list(APPEND porvap_programs porvap)
endif()
install(TARGETS ${porvap_programs} RUNTIME DESTINATION bin COMPONENT porvap)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION share/porvap/data COMPONENT porvap)
install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.html DESTINATION share/porvap COMPONENT porvap)

# The menu entry and its icons, drawn by the program's own artwork code.
if(TARGET porvap)
  add_subdirectory(tools/icon)
  install(DIRECTORY ${PORVAP_ICON_THEME}/ DESTINATION share/icons/hicolor COMPONENT porvap)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/porvap.desktop.in ${PROJECT_BINARY_DIR}/porvap.desktop
                 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/porvap.desktop DESTINATION share/applications
          COMPONENT porvap)
endif()

# Depends as dpkg-shlibdeps works them out on Debian 12; listed here because dpkg-shlibdeps
# (package dpkg-dev) is not part of a plain build set-up.
set(porvap_depends "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11)")
if(TARGET porvap)
  string(APPEND porvap_depends ", libqt6charts6 (>= 6.2.1), libqt6core6 (>= 6.4.0)"
         ", libqt6gui6 (>= 6.4.0), libqt6svg6 (>= 6.2.0), libqt6widgets6 (>= 6.3.0)")
endif()
if(PORVAP_SANITIZE)
  string(APPEND porvap_depends ", libasan8, libubsan1")
endif()

# The architecture is dpkg's own (CPack asks dpkg --print-architecture).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME porvap)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Porvap developers")
set(CPACK_PACKAGE_CONTACT "Porvap developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "heat and moisture transport through building walls")
set(CPACK_PACKAGE_DESCRIPTION
    "Porvap simulates, hour by hour over up to a year, coupled heat and moisture transport\n"
    "through a multilayer wall or roof, and reports temperature and moisture profiles,\n"
    "surface flows, and the sensible and latent heat the element passes to the room.\n"
    "It comes with sample materials, a climate year and example cases. The command\n"
    "porvap-run runs case files without the window.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${porvap_depends})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};porvap;/")
include(CPack)
