# A .deb through CPack whose dependencies are Debian's Qt 6 runtime packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmorandine)
set(CPACK_PACKAGE_VENDOR "Velmorandine developers")
set(CPACK_PACKAGE_CONTACT "Velmorandine developers <dev@velmorandine.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "No-Limit Hold'em decision trainer")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins (>= 6.4), libc6, libstdc++6, libgcc-s1")

# Windows: a zip of the two programs, which need nothing but system DLLs, and
# the README.  (cd build/win32 && cpack) makes velmorandine-<version>-win32.zip.
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "velmorandine-${PROJECT_VERSION}-win32")
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
