# The Windows download: one zip holding both programs and a short French
# text, named from project(VERSION). make windows runs CPack with it.

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
set(CPACK_PACKAGE_FILE_NAME "bitloom-${PROJECT_VERSION}-windows-x64")
# The files at the zip's top, where a double click on the zip shows them.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
