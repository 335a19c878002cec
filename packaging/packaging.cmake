# Installs Tessaform as a desktop program (program, desktop entry, icons, AppStream metainfo),
# checks the desktop files with the freedesktop validators, and builds the .deb with CPack.
include(GNUInstallDirs)

# The desktop entry's and AppStream component's id; src/app/windowicon.h gives the program's
# windows the same id, by which desktop shells match them with the entry and its icon.
set(TESSAFORM_DESKTOP_ID io.github.tessaform.Tessaform)
# The date of the release that PROJECT_VERSION names; set it together with the version, and add
# the release to packaging/changelog (the .deb's changelog) and packaging/tessaform.1.
set(TESSAFORM_RELEASE_DATE 2026-12-11)

set(TESSAFORM_DESKTOP_FILE ${CMAKE_CURRENT_LIST_DIR}/${TESSAFORM_DESKTOP_ID}.desktop)
set(TESSAFORM_METAINFO_FILE ${CMAKE_BINARY_DIR}/${TESSAFORM_DESKTOP_ID}.metainfo.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${TESSAFORM_DESKTOP_ID}.metainfo.xml.in
               ${TESSAFORM_METAINFO_FILE} @ONLY)

install(TARGETS tessaform RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TESSAFORM_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TESSAFORM_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The licence, in Debian's machine-readable copyright format, the package's changelog and the
# manual page, compressed as Debian wants them (gzip -9n: no name, no time stamp).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaform)
find_program(TESSAFORM_GZIP gzip REQUIRED)
foreach(doc changelog tessaform.1)
  execute_process(COMMAND ${TESSAFORM_GZIP} -9n -c ${CMAKE_CURRENT_LIST_DIR}/${doc}
                  OUTPUT_FILE ${PROJECT_BINARY_DIR}/${doc}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_CURRENT_LIST_DIR}/tessaform.1)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaform)
install(FILES ${PROJECT_BINARY_DIR}/tessaform.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# assets/icons/tessaform-<size>.png, drawn by scripts/draw_assets.sh, is the icon theme's
# <size>x<size> icon.
file(GLOB TESSAFORM_ICONS ${CMAKE_SOURCE_DIR}/assets/icons/tessaform-*.png)
foreach(icon ${TESSAFORM_ICONS})
  string(REGEX REPLACE ".*/tessaform-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES ${icon} RENAME tessaform.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

if(TESSAFORM_TESTS)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry COMMAND ${DESKTOP_FILE_VALIDATE} ${TESSAFORM_DESKTOP_FILE})
  else()
    message(STATUS "desktop-file-validate not found (desktop-file-utils): desktop entry unchecked")
  endif()
  if(APPSTREAMCLI)
    add_test(NAME appstream_metainfo
             COMMAND ${APPSTREAMCLI} validate --no-net ${TESSAFORM_METAINFO_FILE})
  else()
    message(STATUS "appstreamcli not found (appstream): AppStream metainfo unchecked")
  endif()
  find_program(PYTHON3 python3)
  if(PYTHON3)
    add_test(NAME drawn_assets COMMAND ${CMAKE_SOURCE_DIR}/scripts/draw_assets.sh --check)
  endif()
  # The .deb as lintian sees it (its licence, changelog and manual page among the rest); not for
  # sanitizer builds, whose program is no package's.
  find_program(LINTIAN lintian)
  find_program(TESSAFORM_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(LINTIAN AND TESSAFORM_DPKG_SHLIBDEPS AND NOT TESSAFORM_SANITIZE)
    add_test(NAME deb_lintian
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DCPACK=${CMAKE_CPACK_COMMAND}
                     -DLINTIAN=${LINTIAN} -P ${CMAKE_CURRENT_LIST_DIR}/lintian-check.cmake)
  else()
    message(STATUS "lintian or dpkg-shlibdeps not found (lintian, dpkg-dev): .deb unchecked")
  endif()
endif()

# The .deb: cpack --preset release, or cpack in the build folder (see README.md).
set(CPACK_PACKAGE_NAME tessaform)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessaform developers")
set(TESSAFORM_CONTACT "Tessaform developers <tessaform@users.noreply.github.com>")
set(CPACK_PACKAGE_CONTACT "${TESSAFORM_CONTACT}" CACHE STRING "Maintainer of the .deb package")
# A build folder configured before the contact was real keeps the old placeholder in its cache.
if(CPACK_PACKAGE_CONTACT STREQUAL "Tessaform developers <dev@tessaform.local>")
  set(CPACK_PACKAGE_CONTACT "${TESSAFORM_CONTACT}" CACHE STRING "Maintainer of the .deb package"
      FORCE)
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "writes CraftTweaker scripts for Minecraft modpacks")
# Lines of at most 80 characters, as Debian's tools want them.
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaform writes CraftTweaker scripts (ZenScript, .zs files) for Minecraft
modpacks without typing script syntax. Each window targets one machine or mod:
type the ids, press a button, and the finished script lines are collected; the
export window writes them to a file. The interface is in Simplified Chinese, or
in English on a desktop in another language. Licensed under the MIT licence.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the libraries the program links to (the Qt 6 Widgets, Gui and Core
# libraries and the C and C++ runtime) with the versions their symbols need; the Qt platform
# plugins (xcb, wayland) are loaded at run time, where no linker sees them, so they are named
# here, and so are Qt's own translations (message-box buttons, the file dialog, context menus in
# the interface's language), loaded from /usr/share/qt6/translations.
# packaging/cpack-options.cmake stops the packaging when dpkg-shlibdeps is missing.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The interface is Chinese: without a font with Chinese characters every caption is a row of
# boxes, so one of Debian's packages that provide such a font is a dependency.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei | fonts-arphic-uming | fonts-arphic-ukai | fonts-droid-fallback")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-options.cmake)
include(CPack)
