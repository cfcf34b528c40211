# The release files, made by CPack from the install rules. Component "app" is the program's folder: the program,
# and the stock settings, sounds, pictures and help from assets/ (src/app, assets/); on Windows also the Qt plugins,
# Qt's Chinese and the DLLs.
#   Windows (`make windows`, in build/windows/)
#     ZIP   dovrel-<version>-windows-x86_64.zip: the folder as Dovrel\, to unzip anywhere
#     NSIS  dovrel-<version>-setup.exe: a per-user installer of it (assets/package/windows/NSIS.template.in)
#   Linux (`make package`, in build/package/)
#     TGZ   dovrel-<version>-linux-x86_64.tar.gz: the folder, with a desktop entry and the Debian packages it needs
#     DEB   dovrel_<version>_amd64.deb: the folder as /opt/dovrel, started by /usr/bin/dovrel from the user's copy
# What the generators lay out differently is in cmake/PackageGenerators.cmake.
set(package_dir ${PROJECT_SOURCE_DIR}/assets/package)
if(NOT WIN32)
    # Beside the program in the portable archive.
    install(FILES ${package_dir}/dovrel.desktop ${package_dir}/dovrel.png ${package_dir}/RUNTIME-PACKAGES.txt
            DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
    install(PROGRAMS ${package_dir}/install-desktop-entry.sh DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
    # Around /opt/dovrel in the Debian package: the launcher, and the desktop entry that starts it.
    install(PROGRAMS ${package_dir}/dovrel-launcher.sh DESTINATION usr/bin RENAME dovrel
            COMPONENT system EXCLUDE_FROM_ALL)
    file(READ ${package_dir}/dovrel.desktop entry)
    string(REGEX REPLACE "#[^\n]*\nExec=[^\n]*" "Exec=dovrel" entry "${entry}")
    file(WRITE ${CMAKE_BINARY_DIR}/package-files/dovrel.desktop "${entry}")
    install(FILES ${CMAKE_BINARY_DIR}/package-files/dovrel.desktop DESTINATION usr/share/applications
            COMPONENT system EXCLUDE_FROM_ALL)
    install(FILES ${package_dir}/dovrel.png DESTINATION usr/share/icons/hicolor/128x128/apps
            COMPONENT system EXCLUDE_FROM_ALL)
endif()

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME dovrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Dovrel 开发组")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Timer for debate contests")
set(CPACK_PACKAGE_DESCRIPTION "The timekeeper's tool for formal debate contests: one PC on a projector shows \
full-screen clocks for every stage, with a warning sound before the end, and the contest's information, scores and \
result to the hall.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS ${CMAKE_BINARY_DIR} Dovrel app /)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageGenerators.cmake)

if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_MODULE_PATH ${package_dir}/windows)
    set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
    set(CPACK_NSIS_PACKAGE_NAME Dovrel)
    set(CPACK_NSIS_DISPLAY_NAME Dovrel)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Dovrel)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Dovrel)
    # The user's own programs folder: no administrator, and the program may write its settings beside itself.
    set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\Programs")
    set(CPACK_NSIS_INSTALLED_ICON_NAME dovrel.exe)
    set(CPACK_NSIS_UNINSTALL_NAME uninstall)
    set(CPACK_NSIS_MUI_ICON ${package_dir}/dovrel.ico)
    set(CPACK_NSIS_MUI_UNIICON ${package_dir}/dovrel.ico)
    set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
    # Qt and the MinGW runtime travel inside the release, so their notices and licences travel with them: the
    # copyright files of the Debian packages their DLLs are built from, and the licence texts those files name.
    set(notices /usr/share/doc)
    install(FILES ${notices}/libqt6core6/copyright DESTINATION licenses RENAME Qt.txt COMPONENT app)
    install(FILES ${notices}/mingw-w64-x86-64-dev/copyright DESTINATION licenses RENAME mingw-w64-runtime.txt
            COMPONENT app)
    install(FILES ${notices}/gcc-mingw-w64-x86-64-posix-runtime/copyright DESTINATION licenses RENAME gcc-runtime.txt
            COMPONENT app)
    foreach(licence IN ITEMS LGPL-3 GPL-2 GPL-3)
        install(FILES /usr/share/common-licenses/${licence} DESTINATION licenses RENAME ${licence}.txt COMPONENT app)
    endforeach()
else()
    set(CPACK_GENERATOR TGZ DEB)
    set(CPACK_PACKAGE_FILE_NAME "dovrel-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_VENDOR}")
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DOVREL_HOME_URL})
    # Debian 12's: Qt 6.4 with its window system plugins (libqt6multimedia6 holds the sound backends), Qt's dialogs
    # in Chinese, the design's faces, the viewers' QR code; F1 opens the help with a CHM viewer or the desktop's
    # opener.
    string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
           "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6widgets6 (>= 6.4)" "libqt6multimedia6 (>= 6.4)"
           "libqt6dbus6 (>= 6.4)" "libqt6network6 (>= 6.4)" qt6-qpa-plugins qt6-translations-l10n
           "libqrcodegencpp1 (>= 1.8)"
           fonts-noto-cjk fonts-lxgw-wenkai fonts-arphic-ukai fonts-arphic-uming fonts-wqy-zenhei fonts-babelstone-han)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm, xdg-utils")
endif()
include(CPack)
