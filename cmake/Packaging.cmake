# A .deb through CPack.  dpkg-shlibdeps computes the dependencies from the
# binaries, so the versions of libc6, libstdc++6 and the Qt 6 libraries are
# those the build machine's symbols need; the xcb platform plugin comes with
# libqt6gui6, and qt6-wayland adds the native Wayland one.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmorandine)
set(CPACK_PACKAGE_VENDOR "Velmorandine developers")
set(CPACK_PACKAGE_CONTACT "Velmorandine developers <dev@velmorandine.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "No-Limit Hold'em decision trainer")
# The extended description, in lines short enough for Debian's control
# format: CPack indents them and marks the blank line with ".".
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Velmorandine is a desktop program for practising the decisions of"
    "No-Limit Hold'em poker. One window holds eight small trainers: a timed"
    "preflop quiz, a timed tournament push-or-fold quiz near the prize-money"
    "bubble, a timed pot-odds quiz, a drill in folding hopeless hands,"
    "self-scored range practice, a tilt questionnaire, a patience exercise"
    "and a combined highscore panel. Fast and correct answers score more."
    ""
    "The package also holds velmorandine-replay, which runs the trainers from"
    "a script on a simulated clock, without a window, and prints what they"
    "show as JSON lines.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# Windows: a zip of the two programs, which need nothing but system DLLs, and
# the README.  (cd build/win32 && cpack) makes velmorandine-<version>-win32.zip,
# the 64-bit build -win64.zip.
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "velmorandine-${PROJECT_VERSION}-${VELMO_WINDOWS_FLAVOUR}")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_PACKAGING_INSTALL_PREFIX /)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
    foreach(notice LICENSE COPYING)
        if(EXISTS ${PROJECT_SOURCE_DIR}/${notice})
            install(FILES ${PROJECT_SOURCE_DIR}/${notice} DESTINATION .)
        endif()
    endforeach()
endif()

include(CPack)
