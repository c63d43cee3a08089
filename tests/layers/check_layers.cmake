# The layer check, run by ctest as a script:
#   cmake -DSOURCE_DIR=<checkout> -DLINKS_FILE=<layer_links.txt> -P check_layers.cmake
# Fails when a file of src/ includes a header of a layer it may not use, when
# a layer without the toolkit includes a Qt header, when a library links a
# library of a layer it may not use, or Qt where the layer has none, and when
# a test program of a layer without Qt links Qt.
cmake_minimum_required(VERSION 3.25)

# Folder under src/ | folders it may include from besides its own | Qt or std.
# A file belongs to the longest folder of the table its path starts with.
set(layers
    "model||std"
    "formula|model|std"
    "period/core|formula,model|std"
    "workbench/core|formula,model|std"
    "printing/layout|workbench/core,period/core,formula,model|std"
    "export|printing/layout,workbench/core,period/core,formula,model|std"
    "printing/qt|printing/layout,workbench/core,period/core,formula,model|qt"
    "workbench|workbench/core,period/core,formula,model|qt"
    "period/ui|workbench,workbench/core,period/core,formula,model|qt"
    "cli|printing/qt,export,printing/layout,workbench/core,period/core,formula,model|qt"
    "app|period/ui,workbench,printing/qt,export,printing/layout,workbench/core,period/core,formula,model|qt")

set(folders "")
foreach(row IN LISTS layers)
  string(REPLACE "|" ";" parts "${row}")
  list(GET parts 0 folder)
  list(GET parts 1 allowed)
  list(GET parts 2 toolkit)
  string(REPLACE "," ";" allowed "${allowed}")
  list(APPEND folders ${folder})
  set("allowed_${folder}" ${folder} ${allowed})
  set("toolkit_${folder}" ${toolkit})
endforeach()

# The layer of a path relative to src/ (longest matching folder), or "".
function(layer_of path out)
  set(best "")
  foreach(folder IN LISTS folders)
    string(LENGTH "${folder}" n)
    string(LENGTH "${best}" b)
    if(n GREATER b AND (path STREQUAL folder OR path MATCHES "^${folder}/"))
      set(best ${folder})
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

set(faults "")

# Includes.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
foreach(source IN LISTS sources)
  get_filename_component(dir ${source} DIRECTORY)
  layer_of("${dir}" layer)
  if(layer STREQUAL "")
    list(APPEND faults "src/${source}: its folder is in no layer. Add the folder to the table in ${CMAKE_CURRENT_LIST_FILE}")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    if(line MATCHES "<(Q[^>]*)>" AND toolkit_${layer} STREQUAL "std")
      list(APPEND faults "src/${source}: includes <${CMAKE_MATCH_1}>, but ${layer} is built without Qt")
    elseif(line MATCHES "\"([^\"]+)\"")
      set(header ${CMAKE_MATCH_1})
      # Only headers that live under src/ by that path belong to a layer.
      if(NOT EXISTS ${SOURCE_DIR}/src/${header})
        continue()
      endif()
      layer_of("${header}" used)
      if(NOT used STREQUAL "" AND NOT used IN_LIST allowed_${layer})
        list(APPEND faults "src/${source}: includes \"${header}\", but ${layer} may not use ${used}")
      endif()
    endif()
  endforeach()
endforeach()

# Links: one line per library of src/ and per test program of tests/,
# "src|name|folder under src|link items" or "tests|name|folder under tests|link items".
file(STRINGS ${LINKS_FILE} rows)
set(library_names "")
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" parts "${row}")
  list(GET parts 0 top)
  list(GET parts 1 name)
  list(GET parts 2 dir)
  if(top STREQUAL "src")
    list(APPEND library_names ${name})
    set("dir_${name}" ${dir})
  endif()
endforeach()
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" parts "${row}")
  list(GET parts 0 top)
  list(GET parts 1 name)
  list(GET parts 2 dir)
  list(GET parts 3 links)
  string(REPLACE "," ";" links "${links}")
  if(top STREQUAL "src")
    layer_of("${dir}" layer)
    if(layer STREQUAL "")
      list(APPEND faults "${name}: built from src/${dir}, which is in no layer")
      continue()
    endif()
  else()
    # The tests of a layer without Qt link no Qt; folders that test no single
    # layer (support, template, cli) are left out, and a folder named after a
    # whole subsystem tests its layer without Qt.
    if(dir STREQUAL "period")
      set(dir period/core)
    elseif(dir STREQUAL "printing")
      set(dir printing/layout)
    endif()
    layer_of("${dir}" layer)
    if(layer STREQUAL "")
      continue()
    endif()
  endif()
  foreach(item IN LISTS links)
    if(item IN_LIST library_names)
      # A test may build its fixture with a neighbouring layer; only Qt is barred.
      if(top STREQUAL "tests")
        continue()
      endif()
      layer_of("${dir_${item}}" used)
      if(NOT used IN_LIST allowed_${layer})
        list(APPEND faults "${name} (${top}/${dir}) links ${item} (${used})")
      endif()
    elseif(item MATCHES "Qt" AND toolkit_${layer} STREQUAL "std")
      list(APPEND faults "${name} (${top}/${dir}) links ${item}, but ${layer} is built without Qt")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Layer faults:\n${text}")
endif()
list(LENGTH sources file_count)
message(STATUS "Layers kept: ${file_count} files, libraries: ${library_names}")
