# The program's version record, installation and packages on Linux (and
# macOS). Everything here follows project(VERSION); on Linux, CHANGELOG.md
# also needs a section for the release, which dates it. The Windows build
# has its own: WindowsIdentity.cmake and WindowsPackaging.cmake.

set(BITLOOM_PACKAGE_MAINTAINER "Bitloom team <bitloom@example.com>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")
if(NOT BITLOOM_PACKAGE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<> ]+>$")
    message(WARNING "BITLOOM_PACKAGE_MAINTAINER is \"${BITLOOM_PACKAGE_MAINTAINER}\": Debian "
                    "wants a name and an address, \"Name <mail>\"")
endif()

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

if(UNIX AND NOT APPLE)
    # Stripped as Debian's own tools strip: without the compilers' notes.
    if(CMAKE_OBJCOPY)
        install(CODE "if(CMAKE_INSTALL_DO_STRIP)
            foreach(program $<TARGET_FILE_NAME:bitloom> $<TARGET_FILE_NAME:bitloom-flags>)
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
                    COMMAND_ERROR_IS_FATAL ANY)
            endforeach()
        endif()")
    endif()

    # The package, built from a release, checked by CTest as a distribution
    # would check it; make test-package turns this on.
    option(BITLOOM_PACKAGE_CHECKS "Test the Debian package: lintian, appstreamcli, desktop-file-validate" OFF)
    if(BITLOOM_PACKAGE_CHECKS)
        enable_testing()
    endif()

    # The menu entry, AppStream metadata, icons, licence, history (signed by
    # the maintainer) and manual pages, and their checks.
    add_subdirectory(packaging)
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

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BITLOOM_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts the windows are drawn with, and Qt's own French texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-urw-base35, qt6-translations-l10n")

include(CPack)
