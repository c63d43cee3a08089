# One library per layer: every .cpp under the layer's folder belongs to it,
# so adding a file needs no edit here. A subfolder with a CMakeLists.txt of
# its own is another layer and is left out.
function(spf_layer_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE nested CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(lists ${nested})
    get_filename_component(dir ${lists} DIRECTORY)
    list(FILTER srcs EXCLUDE REGEX "^${dir}/")
  endforeach()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# A GoogleTest executable from every .cpp of the calling tests folder.
function(spf_gtest name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} spf_test_support GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
