include(${CMAKE_CURRENT_LIST_DIR}/LayerTable.cmake)

# dovrel_layer(<layer> <source> ...): the static library of one layer, linked to the layers it may use.
function(dovrel_layer layer)
    add_library(dovrel_${layer} STATIC ${ARGN})
    target_link_libraries(dovrel_${layer} PUBLIC dovrel_options)
    foreach(used IN LISTS DOVREL_USES_${layer})
        target_link_libraries(dovrel_${layer} PUBLIC dovrel_${used})
    endforeach()
endfunction()

# Every build checks the includes against the layers; `ctest -R layers` does the same.
add_custom_target(check_layers ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake
    COMMENT "Checking that includes point down the layers"
    VERBATIM)
