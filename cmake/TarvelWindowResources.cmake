# What the window program needs to compile, beside add_executable(tarvel):
# its application ID, which names its desktop entry, and its icon, drawn as
# SVG and rendered to PNG sizes that the window carries in its resources.
# The install rules put the same names and PNGs into the system.
set(TARVEL_APP_ID jp.melfort.tarvel)
set(TARVEL_ICON_SIZES 16 22 24 32 48 64 128 256)

find_program(TARVEL_RSVG_CONVERT rsvg-convert REQUIRED)

set(TARVEL_DATA ${CMAKE_SOURCE_DIR}/data)
set(TARVEL_BUILT_DATA ${CMAKE_BINARY_DIR}/data)
file(MAKE_DIRECTORY ${TARVEL_BUILT_DATA}/icons)

set(TARVEL_ICON_SVG ${TARVEL_DATA}/icons/tarvel.svg)
set(TARVEL_ICON_PNGS "")
foreach(size ${TARVEL_ICON_SIZES})
  set(png ${TARVEL_BUILT_DATA}/icons/tarvel-${size}.png)
  add_custom_command(OUTPUT ${png} COMMAND ${TARVEL_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${TARVEL_ICON_SVG}
                     DEPENDS ${TARVEL_ICON_SVG} VERBATIM)
  list(APPEND TARVEL_ICON_PNGS ${png})
endforeach()
qt_add_resources(tarvel tarvel_icons PREFIX /icons BASE ${TARVEL_BUILT_DATA}/icons FILES ${TARVEL_ICON_PNGS})
target_compile_definitions(tarvel PRIVATE TARVEL_APP_ID="${TARVEL_APP_ID}")
