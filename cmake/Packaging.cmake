# How Threadwright is installed and found on a Linux desktop, and its Debian package
# (`cpack -G DEB` in the build folder, or `make package`). The package is made from the install
# rules alone, so whatever is installed is packaged.

# One id for the desktop entry, the program icon, the window class and the AppStream component,
# built from the organisation and application names the settings are kept under.
set(THREADWRIGHT_ORGANISATION "Velwick")
set(THREADWRIGHT_APPLICATION "Threadwright")
string(TOLOWER "com.${THREADWRIGHT_ORGANISATION}" _threadwright_domain)
set(THREADWRIGHT_APP_ID "${_threadwright_domain}.${THREADWRIGHT_APPLICATION}")
# The day this version was released: the AppStream release and the package changelog.
set(THREADWRIGHT_RELEASE_DATE "2026-12-10")
set(THREADWRIGHT_MAINTAINER "Velwick Threadwright maintainers <threadwright@velwick.com>"
  CACHE STRING "Maintainer field of the Debian package")
# Software centres show screenshots from the web; this is where share/threadwright/screenshots/
# of the package is published.
set(THREADWRIGHT_MEDIA_URL "https://velwick.com/threadwright/screenshots/"
  CACHE STRING "Web folder that holds the shipped screenshots")

if(TARGET threadwright)
  target_compile_definitions(threadwright PRIVATE THREADWRIGHT_APP_ID="${THREADWRIGHT_APP_ID}")
endif()

# Sanitizer and fuzzing builds are never installed.
if(THREADWRIGHT_SANITIZE OR THREADWRIGHT_FUZZ)
  return()
endif()

set(_packaging ${CMAKE_BINARY_DIR}/packaging)

# ---- desktop entry, icon, AppStream metadata, screenshot ----
# The metadata states the screenshot's size, read from its PNG header.
set(_screenshot packaging/screenshots/main-window.png)
file(READ ${_screenshot} _png_size OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING "${_png_size}" 0 8 _width)
string(SUBSTRING "${_png_size}" 8 8 _height)
math(EXPR THREADWRIGHT_SCREENSHOT_WIDTH "0x${_width}")
math(EXPR THREADWRIGHT_SCREENSHOT_HEIGHT "0x${_height}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_screenshot})
configure_file(packaging/threadwright.desktop.in ${_packaging}/${THREADWRIGHT_APP_ID}.desktop @ONLY)
configure_file(packaging/threadwright.metainfo.xml.in ${_packaging}/${THREADWRIGHT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_packaging}/${THREADWRIGHT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_packaging}/${THREADWRIGHT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/threadwright.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${THREADWRIGHT_APP_ID}.svg)
install(FILES ${_screenshot} DESTINATION ${CMAKE_INSTALL_DATADIR}/threadwright/screenshots)

# ---- manual pages: the command-line program's page is made from its --help ----
set(_man ${_packaging}/man)
add_custom_command(OUTPUT ${_man}/threadwright-cli.1 ${_man}/threadwright-cli.1.gz
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-cli-manpage $<TARGET_FILE:threadwright-cli>
    ${CMAKE_SOURCE_DIR}/packaging/threadwright-cli.1.in ${_man}/threadwright-cli.1
    ${PROJECT_VERSION} ${THREADWRIGHT_RELEASE_DATE}
  DEPENDS threadwright-cli packaging/threadwright-cli.1.in scripts/make-cli-manpage
  COMMENT "Writing the manual page of threadwright-cli from its --help")
configure_file(packaging/threadwright.1.in ${_man}/threadwright.1 @ONLY)
add_custom_command(OUTPUT ${_man}/threadwright.1.gz
  COMMAND gzip -9nkf ${_man}/threadwright.1
  DEPENDS ${_man}/threadwright.1)
add_custom_target(threadwright_manpages ALL DEPENDS ${_man}/threadwright-cli.1.gz ${_man}/threadwright.1.gz)
install(FILES ${_man}/threadwright.1.gz ${_man}/threadwright-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# ---- bash completion ----
install(FILES packaging/threadwright-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME threadwright-cli)

# ---- Debian documents: copyright and changelog ----
execute_process(COMMAND date -u -R -d "${THREADWRIGHT_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE THREADWRIGHT_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
string(SUBSTRING ${THREADWRIGHT_RELEASE_DATE} 0 4 THREADWRIGHT_RELEASE_YEAR)
configure_file(packaging/copyright.in ${_packaging}/copyright @ONLY)
configure_file(packaging/changelog.in ${_packaging}/changelog @ONLY)
add_custom_command(OUTPUT ${_packaging}/changelog.gz
  COMMAND gzip -9nkf ${_packaging}/changelog
  DEPENDS ${_packaging}/changelog)
add_custom_target(threadwright_changelog ALL DEPENDS ${_packaging}/changelog.gz)
install(FILES ${_packaging}/copyright ${_packaging}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/threadwright)

if(THREADWRIGHT_TESTS)
  add_test(NAME CliManualPageMatchesHelp
    COMMAND ${CMAKE_SOURCE_DIR}/tests/packaging/manpage-matches-help.sh
      $<TARGET_FILE:threadwright-cli> ${_man}/threadwright-cli.1)
  add_test(NAME CliBashCompletion
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/packaging/completion-test.sh
      ${CMAKE_SOURCE_DIR}/packaging/threadwright-cli.bash $<TARGET_FILE:threadwright-cli> ${CMAKE_SOURCE_DIR}/data)
endif()

# ---- the Debian package ----
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME threadwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${THREADWRIGHT_ORGANISATION})
set(CPACK_PACKAGE_CONTACT ${THREADWRIGHT_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build carries debug information; the packaged programs do not.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries the programs link: the symbols and printed pages are drawn with these
# fonts, and the icons are SVG files that Qt reads through the plugins of libqt6svg6.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-crosextra-carlito, fonts-dejavu-core, libqt6svg6")
# Pictures in more formats than JPEG and PNG open through Qt's image plugins; Wayland desktops
# show the window natively with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-wayland")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "counted cross-stitch and knitting chart editor")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/packaging/description.txt)
# Control files with the modes dpkg-deb and lintian expect.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
