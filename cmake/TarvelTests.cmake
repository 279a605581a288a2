# One GoogleTest executable per folder of tests/ that holds test sources:
# tests/engine/pic -> test_engine_pic. tests/support holds the shared fakes,
# tests/data the fixtures. Folders under tests/ui need Qt and run offscreen;
# tests/cli runs the built tarvel-cli.
find_package(GTest REQUIRED)
include(GoogleTest)
# tests/port_fuse serves a fake ppdev device through FUSE; built only where
# libfuse3 is installed.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(FUSE3 QUIET IMPORTED_TARGET fuse3)
endif()

file(GLOB_RECURSE TARVEL_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
set(TARVEL_TEST_DIRS "")
foreach(test_source ${TARVEL_TEST_SOURCES})
  get_filename_component(test_dir ${test_source} DIRECTORY)
  list(APPEND TARVEL_TEST_DIRS ${test_dir})
endforeach()
list(REMOVE_DUPLICATES TARVEL_TEST_DIRS)

foreach(test_dir ${TARVEL_TEST_DIRS})
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/tests ${test_dir})
  string(REPLACE "/" "_" suffix ${rel})
  set(test_target test_${suffix})
  set(is_ui FALSE)
  if(rel MATCHES "^ui(/|$)")
    set(is_ui TRUE)
  endif()
  if(is_ui AND NOT TARGET tarvel_ui)
    continue()
  endif()
  if(rel STREQUAL "port_fuse" AND NOT TARGET PkgConfig::FUSE3)
    continue()
  endif()
  if(rel STREQUAL "cli" AND NOT TARGET tarvel-cli)
    continue()
  endif()
  file(GLOB test_files CONFIGURE_DEPENDS ${test_dir}/*.cpp ${test_dir}/*.h)
  add_executable(${test_target} ${test_files})
  target_include_directories(${test_target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${test_target} PRIVATE
    TARVEL_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
  if(is_ui)
    target_link_libraries(${test_target} PRIVATE tarvel_ui Qt6::Test GTest::gtest GTest::gmock)
    set_target_properties(${test_target} PROPERTIES AUTOMOC ON)
    if(EXISTS ${test_dir}/main.cpp)
      # The folder brings its own main (it needs a QApplication).
    else()
      target_link_libraries(${test_target} PRIVATE GTest::gtest_main)
    endif()
    gtest_discover_tests(${test_target}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config"
      DISCOVERY_TIMEOUT 60)
  elseif(rel STREQUAL "cli")
    # tarvel-cli runs as a program of its own, one process a command.
    target_link_libraries(${test_target} PRIVATE tarvel_core GTest::gtest GTest::gtest_main)
    target_compile_definitions(${test_target} PRIVATE TARVEL_CLI="$<TARGET_FILE:tarvel-cli>")
    add_dependencies(${test_target} tarvel-cli)
    gtest_discover_tests(${test_target} DISCOVERY_TIMEOUT 60)
  elseif(rel STREQUAL "port_fuse")
    target_link_libraries(${test_target} PRIVATE tarvel_core PkgConfig::FUSE3 GTest::gtest GTest::gmock
      GTest::gtest_main)
    # A server that stops answering would leave the client waiting in the kernel.
    gtest_discover_tests(${test_target} PROPERTIES TIMEOUT 60 DISCOVERY_TIMEOUT 60)
  else()
    target_link_libraries(${test_target} PRIVATE tarvel_core GTest::gtest GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${test_target} DISCOVERY_TIMEOUT 60)
  endif()
endforeach()

# The window's tests also run the program itself (its terminal texts) and
# lupdate over the translated sources (every text in the catalogues).
if(TARGET test_ui_main AND TARGET tarvel)
  list(JOIN TARVEL_TS_FILES "," ts_files)
  add_dependencies(test_ui_main tarvel)
  target_compile_definitions(test_ui_main PRIVATE
    TARVEL_PROGRAM="$<TARGET_FILE:tarvel>"
    TARVEL_LUPDATE="$<TARGET_FILE:Qt6::lupdate>"
    TARVEL_TRANSLATED_SOURCES="${CMAKE_BINARY_DIR}/translated-sources.lst"
    TARVEL_TS_FILES="${ts_files}")
endif()
