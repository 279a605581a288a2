# Every text of the window and of tarvel-cli in English or in Japanese: the
# Qt Linguist catalogues translations/tarvel_<language>.ts, compiled to .qm at
# build time and carried in the resources of tarvel_shared under :/i18n,
# so that every program that puts a language into effect has them and needs
# no file beside it. The texts are gathered from the folders below; another
# folder joins the catalogues with one more line here.
set(TARVEL_TRANSLATED_FOLDERS
  src/language
  src/ui
  src/app
  src/cli)
set(TARVEL_TS_FILES
  ${CMAKE_SOURCE_DIR}/translations/tarvel_en.ts
  ${CMAKE_SOURCE_DIR}/translations/tarvel_ja.ts)

set(TARVEL_TRANSLATED_SOURCES "")
foreach(folder ${TARVEL_TRANSLATED_FOLDERS})
  file(GLOB_RECURSE folder_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  list(APPEND TARVEL_TRANSLATED_SOURCES ${folder_sources})
endforeach()

# `cmake --build build --target update_translations` brings new texts into
# the catalogues (to be translated with Qt Linguist) and drops vanished ones.
# Without source locations the catalogues change only where texts change.
qt_add_lupdate(tarvel_shared
  TS_FILES ${TARVEL_TS_FILES}
  SOURCES ${TARVEL_TRANSLATED_SOURCES}
  OPTIONS -locations none -no-obsolete)
qt_add_lrelease(tarvel_shared
  TS_FILES ${TARVEL_TS_FILES}
  QM_FILES_OUTPUT_VARIABLE TARVEL_QM_FILES)
qt_add_resources(tarvel_shared tarvel_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
  FILES ${TARVEL_QM_FILES})

# The tests run the same extraction over the same sources: the list of them,
# one a line, as lupdate reads it from an @file, after the include folder
# that lets it find each class's namespace.
list(JOIN TARVEL_TRANSLATED_SOURCES "\n" translated_lines)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/translated-sources.lst
     CONTENT "-I${CMAKE_SOURCE_DIR}/src\n${translated_lines}\n")
