# Installation: the program, the program it runs the page check in, its help page, the desktop entry,
# the icons, the AppStream metainfo, the manual page, and the copyright and changelog a Debian package
# carries; CPack turns the same rules into a Debian package.
include(GNUInstallDirs)

# The id the program gives itself too (app/window/AppIdentity.h).
set(QUILLAN_APP_ID example.orvex.quillan)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
# The project's name is capitalised; its folders are not.
set(QUILLAN_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillan)

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

# The manual page and the changelog are installed compressed, as Debian keeps them; gzip -n leaves out
# the name and time, so that the same sources give the same bytes.
set(compressed_dir ${PROJECT_BINARY_DIR}/packaging)
set(compressed)
foreach(pair "quillan.1|quillan.1.gz" "debian/changelog|changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${compressed_dir}/${target}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed_dir}
                     COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${packaging}/${source} ${compressed_dir}/${target}
                     DEPENDS ${packaging}/${source}
                     VERBATIM)
  list(APPEND compressed ${compressed_dir}/${target})
endforeach()
add_custom_target(quillan_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${compressed_dir}/quillan.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${compressed_dir}/changelog.gz ${packaging}/debian/copyright DESTINATION ${QUILLAN_DOCDIR})
# The help page is read by the program, not only by people.
install(FILES ${packaging}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quillan)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillan)
set(CPACK_PACKAGE_VENDOR Orvex)
set(CPACK_PACKAGE_CONTACT "Orvex <info@orvex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for hand-written web pages (HTML, CSS, JavaScript)")
# Debian shows these lines as they are: each at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Quillan edits one HTML document, style sheet or script at a time, with\n"
       "syntax highlighting for each, insert menus that wrap the selection in\n"
       "tags, style rules and script snippets, links and image tags made from\n"
       "files, text conversions, search and replace (also with regular\n"
       "expressions) and printing.\n"
       "\n"
       "While writing, a live preview shows the page beside its text, and a page\n"
       "check lists what HTML Tidy finds wrong with the markup. The page can also\n"
       "be shown in up to four browsers or other programs of the user's choice.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.orvex.example/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window-system plugins are not a library the program links. The web engine's page process, which
# the live preview starts, comes with the web engine's library: its shlibs name libqt6webenginecore6-bin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_STRIP_FILES ON)
include(CPack)
