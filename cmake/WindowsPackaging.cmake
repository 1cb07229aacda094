# The Windows downloads, named from project(VERSION): one zip holding both
# programs and a short French text, which make windows packs with CPack, and
# an installer, the target bitloom_installer, which make release builds.

# Notepad reads UTF-8 with a byte order mark right on every Windows version,
# and wants CRLF line ends before Windows 10 1809.
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/LISEZMOI.txt.in
    ${BITLOOM_WINDOWS_DIR}/LISEZMOI.txt @ONLY NEWLINE_STYLE CRLF)

install(TARGETS bitloom bitloom-flags RUNTIME DESTINATION .)
install(FILES ${BITLOOM_WINDOWS_DIR}/LISEZMOI.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME bitloom)
set(CPACK_PACKAGE_VENDOR "Produit non commercial.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(BITLOOM_WINDOWS_DOWNLOAD "bitloom-${PROJECT_VERSION}-windows-x64")
set(CPACK_PACKAGE_FILE_NAME ${BITLOOM_WINDOWS_DOWNLOAD})
# The files at the zip's top, where a double click on the zip shows them.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

# The installer, built with NSIS (Debian's nsis package), which make release
# installs first.
find_program(BITLOOM_MAKENSIS makensis)
if(BITLOOM_MAKENSIS)
    set(script ${PROJECT_SOURCE_DIR}/packaging/windows/bitloom.nsi)
    set(installer ${PROJECT_BINARY_DIR}/${BITLOOM_WINDOWS_DOWNLOAD}-setup.exe)
    add_custom_command(OUTPUT ${installer}
        COMMAND ${BITLOOM_MAKENSIS} -V2 -WX -INPUTCHARSET UTF8
            -DVERSION=${PROJECT_VERSION} -DDISPLAY_VERSION=${BITLOOM_DISPLAY_VERSION}
            -DPUBLISHER=${CPACK_PACKAGE_VENDOR} -DICON=${BITLOOM_WINDOWS_ICON}
            -DBITLOOM_EXE=$<TARGET_FILE:bitloom> -DBITLOOM_FLAGS_EXE=$<TARGET_FILE:bitloom-flags>
            -DOUTPUT=${installer} ${script}
        DEPENDS ${script} bitloom bitloom-flags ${BITLOOM_WINDOWS_ICON}
        COMMENT "Building the installer with makensis"
        VERBATIM)
    add_custom_target(bitloom_installer DEPENDS ${installer})
else()
    message(STATUS "makensis not found: no installer target (sh scripts/setup.sh nsis)")
endif()
