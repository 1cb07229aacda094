# What Windows and Explorer show of a program: the version record, the icon
# and the application manifest, compiled from packaging/windows/ into the .exe.
# bitloom_windows_identity(target) gives them to a target.

find_program(BITLOOM_ICOTOOL icotool REQUIRED) # Debian's icoutils

set(BITLOOM_WINDOWS_DIR ${PROJECT_BINARY_DIR}/packaging/windows)
set(BITLOOM_WINDOWS_ICON ${BITLOOM_WINDOWS_DIR}/bitloom.ico)
set(BITLOOM_WINDOWS_MANIFEST ${BITLOOM_WINDOWS_DIR}/bitloom.manifest)

# The icon file from the committed images: 16 and 32 are the 16-colour ones
# the windows show, 48 and 256 the ones Explorer picks for larger views (256
# kept as PNG, which Windows reads at that size).
set(icon_images
    ${PROJECT_SOURCE_DIR}/packaging/icons/bitloom-16.png
    ${PROJECT_SOURCE_DIR}/packaging/icons/bitloom-32.png
    ${PROJECT_SOURCE_DIR}/packaging/icons/bitloom-48.png)
set(icon_raw_image ${PROJECT_SOURCE_DIR}/packaging/icons/bitloom-256.png)
add_custom_command(OUTPUT ${BITLOOM_WINDOWS_ICON}
    COMMAND ${BITLOOM_ICOTOOL} --create --output=${BITLOOM_WINDOWS_ICON}
        ${icon_images} --raw=${icon_raw_image}
    DEPENDS ${icon_images} ${icon_raw_image}
    COMMENT "Packing the Windows icon"
    VERBATIM)
add_custom_target(bitloom_windows_icon DEPENDS ${BITLOOM_WINDOWS_ICON})

configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/bitloom.manifest.in
    ${BITLOOM_WINDOWS_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/bitloom.rc.in
    ${BITLOOM_WINDOWS_DIR}/bitloom.rc @ONLY)

function(bitloom_windows_identity target)
    set(rc ${BITLOOM_WINDOWS_DIR}/bitloom.rc)
    target_sources(${target} PRIVATE ${rc})
    # windres does not report the files the script pulls in.
    set_source_files_properties(${rc} PROPERTIES
        OBJECT_DEPENDS "${BITLOOM_WINDOWS_ICON};${BITLOOM_WINDOWS_MANIFEST}")
    add_dependencies(${target} bitloom_windows_icon)
endfunction()
