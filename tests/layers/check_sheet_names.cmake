# The sheet-name check, run by ctest as a script:
#   cmake -DSOURCE_DIR=<checkout> -P check_sheet_names.cmake
# Fails when a file of src/ spells a sheet name of src/model/sheet_names.h as
# a string literal of its own instead of using the constant.
cmake_minimum_required(VERSION 3.25)

set(names_header ${SOURCE_DIR}/src/model/sheet_names.h)

# file|name: a literal that is a caption shown to the user, not a sheet looked up.
set(allowed
    "src/workbench/core/sheet_catalogue.cpp|Aktywa"
    "src/workbench/core/sheet_catalogue.cpp|Pasywa")

file(STRINGS ${names_header} definitions REGEX "std::string_view k[A-Za-z0-9]+ = \"[^\"]+\";")
set(names "")
foreach(line IN LISTS definitions)
  string(REGEX MATCH "= \"([^\"]+)\";" _ "${line}")
  list(APPEND names "${CMAKE_MATCH_1}")
endforeach()
if(NOT names)
  message(FATAL_ERROR "No sheet names found in ${names_header}")
endif()

set(faults "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
list(REMOVE_ITEM sources src/model/sheet_names.h)
foreach(source IN LISTS sources)
  file(READ ${SOURCE_DIR}/${source} text)
  foreach(name IN LISTS names)
    string(FIND "${text}" "\"${name}\"" at)
    if(at GREATER -1 AND NOT "${source}|${name}" IN_LIST allowed)
      list(APPEND faults "${source}: spells the sheet name \"${name}\", which has a constant in src/model/sheet_names.h")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
