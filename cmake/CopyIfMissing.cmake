# Copies every file of SOURCE_DIR into DEST_DIR unless a file of that name is already there, so settings a user
# changed in an application directory are never overwritten by a rebuild.
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(file IN LISTS files)
    if(NOT EXISTS "${DEST_DIR}/${file}")
        get_filename_component(dir "${DEST_DIR}/${file}" DIRECTORY)
        file(MAKE_DIRECTORY "${dir}")
        file(COPY_FILE "${SOURCE_DIR}/${file}" "${DEST_DIR}/${file}")
    endif()
endforeach()
