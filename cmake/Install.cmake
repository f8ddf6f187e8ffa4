# Installation: the program, the program it runs the page check in, its help page, the desktop entry,
# the icons and the AppStream metainfo; CPack turns the same rules into a Debian package.
include(GNUInstallDirs)

set(QUILLAN_APP_ID example.orvex.quillan)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS quillan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Started by the editor only, so not on the user's path.
install(TARGETS quillan-check RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/quillan)
install(FILES ${PROJECT_SOURCE_DIR}/settings/qn.html DESTINATION ${CMAKE_INSTALL_DATADIR}/quillan)
install(FILES ${packaging}/${QUILLAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${QUILLAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/icons/${QUILLAN_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${packaging}/icons/quillan-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${QUILLAN_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillan)
set(CPACK_PACKAGE_VENDOR Orvex)
set(CPACK_PACKAGE_CONTACT "Orvex <info@orvex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for hand-written web pages (HTML, CSS, JavaScript)")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillan edits one HTML document, style sheet or script at a time, with syntax highlighting, insert menus that wrap the selection, text conversions, search and replace, printing and previews in the user's browsers.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.orvex.example/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window-system plugins are not a library the program links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
if(QUILLAN_WEBENGINE)
  # The web engine's page process, which the live preview starts.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6webenginecore6-bin")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
