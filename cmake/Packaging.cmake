# The program's version record, installation and packages on Linux (and
# macOS). Everything here follows project(VERSION), so a release changes only
# that line. The Windows build has its own: WindowsIdentity.cmake and
# WindowsPackaging.cmake.

include(GNUInstallDirs)

if(APPLE)
    # CFBundleVersion takes at most three numbers; the patch is always 0.
    set_target_properties(bitloom PROPERTIES
        MACOSX_BUNDLE_BUNDLE_NAME Bitloom
        MACOSX_BUNDLE_SHORT_VERSION_STRING "${BITLOOM_DISPLAY_VERSION}"
        MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_TWEAK}")
endif()

install(TARGETS bitloom
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)
install(TARGETS bitloom-flags RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The freedesktop menu entry and the icon theme sizes.
if(UNIX AND NOT APPLE)
    install(FILES packaging/bitloom.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

    set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    foreach(size 16 32)
        install(FILES ui/resources/bitloom-${size}.png
            DESTINATION ${hicolor}/${size}x${size}/apps RENAME bitloom.png)
    endforeach()
    foreach(size 48 64 128 256)
        install(FILES packaging/icons/bitloom-${size}.png
            DESTINATION ${hicolor}/${size}x${size}/apps RENAME bitloom.png)
    endforeach()
    install(FILES ui/resources/bitloom.svg DESTINATION ${hicolor}/scalable/apps)
endif()

if(BUILD_TESTING)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(DESKTOP_FILE_VALIDATE)
        add_test(NAME desktop_entry
            COMMAND ${DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/packaging/bitloom.desktop)
        # Hints and warnings leave the exit code at 0; treat them as failures too.
        set_tests_properties(desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION ": (error|warning|hint): ")
    else()
        message(STATUS "desktop-file-validate not found: the menu entry is not checked")
    endif()
endif()

# A Debian package; other systems keep CPack's own defaults.
set(CPACK_PACKAGE_NAME bitloom)
set(CPACK_PACKAGE_VENDOR "Produit non commercial.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "builds the special handling flags value for GTA: Vice-City")
set(CPACK_PACKAGE_DESCRIPTION "Bitloom is a small utility, in French, for people editing the vehicle\n\
handling data of GTA: Vice-City. Ticking the special features a vehicle\n\
should have builds the hexadecimal flags value to copy into handling.cfg.")
set(CPACK_STRIP_FILES ON)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT CPACK_GENERATOR)
    set(CPACK_GENERATOR DEB)
endif()

set(BITLOOM_PACKAGE_MAINTAINER "Bitloom maintainers" CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BITLOOM_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts the windows are drawn with, and Qt's own French texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-urw-base35, qt6-translations-l10n")

include(CPack)
