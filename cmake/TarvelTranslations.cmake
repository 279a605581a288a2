# Every text of the window in English or in Japanese: the Qt Linguist
# catalogues translations/tarvel_<language>.ts, compiled to .qm at build time
# and carried in the program's resources under :/i18n, so that the installed
# program needs no file beside it. The texts are gathered from the folders
# below; another folder joins the catalogues with one more line here, and
# another program carries them with tarvel_embed_translations(<target>).
set(TARVEL_TRANSLATED_FOLDERS
  src/ui
  src/app)
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
qt_add_lupdate(tarvel_ui
  TS_FILES ${TARVEL_TS_FILES}
  SOURCES ${TARVEL_TRANSLATED_SOURCES}
  OPTIONS -locations none -no-obsolete)
qt_add_lrelease(tarvel_ui
  TS_FILES ${TARVEL_TS_FILES}
  QM_FILES_OUTPUT_VARIABLE TARVEL_QM_FILES)
set(TARVEL_QM_FOLDER ${CMAKE_CURRENT_BINARY_DIR})

function(tarvel_embed_translations target)
  qt_add_resources(${target} ${target}_translations PREFIX /i18n BASE ${TARVEL_QM_FOLDER} FILES ${TARVEL_QM_FILES})
endfunction()

tarvel_embed_translations(tarvel_ui)

# The tests run the same extraction over the same sources: the list of them,
# one a line, as lupdate reads it from an @file, after the include folder
# that lets it find each class's namespace.
list(JOIN TARVEL_TRANSLATED_SOURCES "\n" translated_lines)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/translated-sources.lst
     CONTENT "-I${CMAKE_SOURCE_DIR}/src\n${translated_lines}\n")
