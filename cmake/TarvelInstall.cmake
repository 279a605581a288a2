# Installs the window program as a Linux desktop program, under the GNU
# install directories: program, desktop entry, icons, AppStream metainfo,
# the Intel HEX file type, manual pages and the documents. Another program
# or manual page joins with one tarvel_install_program or
# tarvel_install_man_page line below. The application ID and the rendered
# icons come from TarvelWindowResources.cmake, which the window needs first.
include(GNUInstallDirs)

set(TARVEL_HOMEPAGE "https://melfort.invalid/tarvel" CACHE STRING
    "Web page of the program; the metainfo's screenshot lies under it at screenshots/main-window.png")
set(TARVEL_PACKAGE_CONTACT "tarvel developers <tarvel@melfort.invalid>" CACHE STRING
    "Name and mail address of whoever answers for the package")

find_program(TARVEL_GZIP gzip REQUIRED)

# Everything the install takes from the build; `cmake --build build --target
# package_contents` makes it all.
add_custom_target(package_contents ALL)

# Compressed as Debian wants manual pages and changelogs: best compression,
# no name or time in the header, so that the same source gives the same file.
function(tarvel_gzip source output)
  add_custom_command(OUTPUT ${output} COMMAND ${TARVEL_GZIP} -9nc ${source} > ${output} DEPENDS ${source}
                     VERBATIM)
endfunction()

function(tarvel_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  add_dependencies(package_contents ${target})
endfunction()

# data/man/<page>.in, with the project's version filled in.
function(tarvel_install_man_page page)
  string(REGEX MATCH "[0-9]+$" section ${page})
  configure_file(${TARVEL_DATA}/man/${page}.in ${TARVEL_BUILT_DATA}/${page} @ONLY)
  tarvel_gzip(${TARVEL_BUILT_DATA}/${page} ${TARVEL_BUILT_DATA}/${page}.gz)
  add_custom_target(man_${page} DEPENDS ${TARVEL_BUILT_DATA}/${page}.gz)
  add_dependencies(package_contents man_${page})
  install(FILES ${TARVEL_BUILT_DATA}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

tarvel_install_program(tarvel)
tarvel_install_man_page(tarvel.1)
if(TARGET tarvel-cli)
  tarvel_install_program(tarvel-cli)
  tarvel_install_man_page(tarvel-cli.1)
endif()

# The icon in every size the window carries, and as drawn, for the icon theme.
foreach(size ${TARVEL_ICON_SIZES})
  install(FILES ${TARVEL_BUILT_DATA}/icons/tarvel-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${TARVEL_APP_ID}.png)
endforeach()
install(FILES ${TARVEL_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TARVEL_APP_ID}.svg)

install(FILES ${TARVEL_DATA}/${TARVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${TARVEL_DATA}/${TARVEL_APP_ID}.metainfo.xml.in ${TARVEL_BUILT_DATA}/${TARVEL_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${TARVEL_BUILT_DATA}/${TARVEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TARVEL_DATA}/${TARVEL_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${TARVEL_APP_ID}.xml)

# The documents, with the copyright and changelog Debian looks for.
configure_file(${TARVEL_DATA}/debian/changelog.in ${TARVEL_BUILT_DATA}/changelog @ONLY)
tarvel_gzip(${TARVEL_BUILT_DATA}/changelog ${TARVEL_BUILT_DATA}/changelog.gz)
add_custom_target(tarvel_data_files DEPENDS ${TARVEL_BUILT_DATA}/changelog.gz ${TARVEL_ICON_PNGS})
add_dependencies(package_contents tarvel_data_files)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE ${TARVEL_DATA}/debian/copyright
              ${TARVEL_BUILT_DATA}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
