# Read by CPack for each generator (CPACK_PROJECT_CONFIG_FILE in cmake/Package.cmake): how each release file lays
# out the program's folder, component "app".
list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 build_dir)
if(CPACK_GENERATOR STREQUAL "ZIP")
    # Unzipped, a folder named Dovrel rather than after the file.
    set(CPACK_PACKAGE_FILE_NAME "dovrel-${CPACK_PACKAGE_VERSION}-windows-x86_64")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_INSTALL_CMAKE_PROJECTS ${build_dir} Dovrel app /Dovrel)
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "dovrel-${CPACK_PACKAGE_VERSION}-setup")
elseif(CPACK_GENERATOR STREQUAL "TGZ")
    list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${build_dir} Dovrel portable /)
elseif(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX /)
    set(CPACK_INSTALL_CMAKE_PROJECTS ${build_dir} Dovrel app /opt/dovrel ${build_dir} Dovrel system /)
endif()
