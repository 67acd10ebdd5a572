# Built-in texture thumbnails: drawn at build time by a small program and assembled into
# fw_textures (no game artwork is shipped). The name list that goes with them is copied
# beside the executables, where the program looks for data/textures.lst.
set(FW_PLACEHOLDER_FILE ${CMAKE_BINARY_DIR}/generated/placeholder-thumbnails.bin)
add_executable(fw-make-placeholders
    ${CMAKE_CURRENT_LIST_DIR}/placeholders/MakePlaceholders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Thumbnail.cpp)
target_include_directories(fw-make-placeholders PRIVATE ${CMAKE_SOURCE_DIR}/src)
set_target_properties(fw-make-placeholders PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/generated)
add_custom_command(OUTPUT ${FW_PLACEHOLDER_FILE}
    COMMAND fw-make-placeholders ${FW_PLACEHOLDER_FILE}
    DEPENDS fw-make-placeholders
    COMMENT "Drawing the placeholder texture thumbnails")
add_custom_target(fw_placeholder_thumbnails DEPENDS ${FW_PLACEHOLDER_FILE})
add_dependencies(fw_textures fw_placeholder_thumbnails)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/PlaceholderThumbnails.cpp PROPERTIES
    OBJECT_DEPENDS ${FW_PLACEHOLDER_FILE}
    COMPILE_DEFINITIONS FW_PLACEHOLDER_FILE="${FW_PLACEHOLDER_FILE}")
configure_file(${CMAKE_SOURCE_DIR}/data/textures.lst ${CMAKE_BINARY_DIR}/bin/data/textures.lst
    COPYONLY)
