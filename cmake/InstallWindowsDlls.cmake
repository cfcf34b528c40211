# Run by the install step of the Windows build (src/app/CMakeLists.txt), after dovrel.exe and the Qt plugins are
# installed: puts beside dovrel.exe the DLLs that it and the plugins import, as file(GET_RUNTIME_DEPENDENCIES) reads
# their PE imports with objdump and finds them in DLL_DIRS. A DLL found in none of those folders is Windows' own
# and stays the system's. Everything is stripped when the install strips (CPack's CPACK_STRIP_FILES).
#   DLL_DIRS       the folders to look in, first match wins
#   DLL_NAMES_DIR  a scratch folder of the build
#   STRIP          the mingw-w64 strip
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# CMake 3.25 looks for each imported name in lower case (qt6core.dll), which a case-sensitive file system does not
# find as Qt6Core.dll: the folders are searched through links named in lower case.
file(REMOVE_RECURSE "${DLL_NAMES_DIR}")
file(MAKE_DIRECTORY "${DLL_NAMES_DIR}")
foreach(dir IN LISTS DLL_DIRS)
    file(GLOB dlls "${dir}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" name)
        if(NOT EXISTS "${DLL_NAMES_DIR}/${name}")
            file(CREATE_LINK "${dll}" "${DLL_NAMES_DIR}/${name}" SYMBOLIC)
        endif()
    endforeach()
endforeach()

file(GLOB plugins "${prefix}/*/*.dll")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
file(GET_RUNTIME_DEPENDENCIES
     EXECUTABLES "${prefix}/dovrel.exe"
     MODULES ${plugins}
     DIRECTORIES "${DLL_NAMES_DIR}"
     RESOLVED_DEPENDENCIES_VAR found
     UNRESOLVED_DEPENDENCIES_VAR windows_own)
foreach(link IN LISTS found)
    # Installed under the name the DLL has in its folder.
    file(REAL_PATH "${link}" dll)
    file(INSTALL "${dll}" DESTINATION "${CMAKE_INSTALL_PREFIX}" TYPE SHARED_LIBRARY)
endforeach()
list(JOIN windows_own ", " windows_own)
message(VERBOSE "Left to Windows: ${windows_own}")

if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB dlls "${prefix}/*.dll" "${prefix}/*/*.dll")
    execute_process(COMMAND "${STRIP}" --strip-unneeded ${dlls} COMMAND_ERROR_IS_FATAL ANY)
endif()
