# Installation layout and the Debian package (`cpack -G DEB` in a build folder, `make package`).
# dvk and dvk-setup go to bin, the desktop entry and the icons to their freedesktop places and
# the self-contained help document to share/dvk.
include(GNUInstallDirs)

install(TARGETS dvk dvk-setup RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/dvk.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

file(GLOB dvk_package_icons ${PROJECT_SOURCE_DIR}/res/icons/application/dvk-*.png)
foreach(icon ${dvk_package_icons})
    if(icon MATCHES "dvk-([0-9]+)\\.png$")
        set(size ${CMAKE_MATCH_1})
        install(FILES ${icon} RENAME dvk.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endif()
endforeach()
if(EXISTS ${PROJECT_SOURCE_DIR}/res/icons/application/dvk.svg)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/application/dvk.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The help document, its pictures folded in.
if(DVK_HELP_FILE)
    install(FILES ${DVK_HELP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/dvk)
endif()
file(GLOB dvk_package_licenses ${PROJECT_SOURCE_DIR}/res/icons/LICENSE*)
if(dvk_package_licenses)
    install(FILES ${dvk_package_licenses} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dvk/icons)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dvk)
set(CPACK_PACKAGE_VENDOR Quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillmark <dvk@quillmark.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal information manager: archives, purse, memo and notes")
set(CPACK_PACKAGE_DESCRIPTION
    "DVK keeps an archive of items with their facts and dated notes, a purse of categories and
records with totals and a calculator, reminders that count down and alert, and free notes,
all in one data file that can be protected by a password.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillmark.invalid/dvk")
# The shared libraries the programs link (Qt 6 Core, Gui, Widgets, Network, Qml, Multimedia and
# the C++ run time) come from dpkg-shlibdeps, with the versions of the libraries built against.
# The X11 platform plugin ships with libqt6gui6 and the audio back ends with libqt6multimedia6;
# qt6-wayland lets DVK run natively on Wayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
