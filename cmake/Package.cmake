# The portable archive (`make package`): the application folder as the build lays it out — the program with its
# settings, sounds, pictures and help beside it —, a desktop entry with its icon, and the Debian packages the
# program needs at run time.
install(DIRECTORY ${DOVREL_APP_DIR}/ DESTINATION . USE_SOURCE_PERMISSIONS)
install(FILES ${PROJECT_SOURCE_DIR}/assets/package/dovrel.desktop ${PROJECT_SOURCE_DIR}/assets/package/dovrel.png
              ${PROJECT_SOURCE_DIR}/assets/package/RUNTIME-PACKAGES.txt
        DESTINATION .)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/assets/package/install-desktop-entry.sh DESTINATION .)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME dovrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "dovrel-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
