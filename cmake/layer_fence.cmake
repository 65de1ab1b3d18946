# The fence between the layers: what each layer or part of the component and of the platform may see.
#
# Each layer and part is declared once, where its library is made (platform/CMakeLists.txt,
# src/CMakeLists.txt): its folder, the libraries it links and, for a part, the entries it sees beside
# them. Those declaration lines are the one table of the fence; pm001_fence_unit records each row.
# From it tests/CMakeLists.txt makes, for every layer and part, a probe (pm001_fence_write) that asks
# the compiler, with the command of each of that target's sources, for every header of platform/,
# src/ and app/: the headers of its own folder, of what it sees and of the layers it links must be
# found, every other one refused. It also writes what each target really links and sees, which the
# guide's layer table is compared with, and each target's objects, which must read only headers it
# sees and, for a part, call nothing its layer's objects it does not see define, and the module's own,
# beside which it may hold only the layers' and parts' (tests/layers/layer_fence_test.cpp).

# pm001_fence_unit(<target> <folder> [PART_OF <layer>] [SEES <entry>...]): records <target>, whose
# sources are those of <folder> (relative to the project), as a row of the fence; PART_OF names the
# layer whose archive holds a part's objects; SEES names what it sees besides its own folder and the
# layers it links, relative to the project, a folder with a trailing slash.
function(pm001_fence_unit target folder)
  cmake_parse_arguments(PARSE_ARGV 2 unit "" "PART_OF" "SEES")
  set_property(GLOBAL APPEND PROPERTY PM001_FENCE_UNITS ${target})
  set_target_properties(${target} PROPERTIES PM001_FENCE_FOLDER ${folder}/ PM001_FENCE_SEES "${unit_SEES}"
                        PM001_FENCE_PART_OF "${unit_PART_OF}")
endfunction()

# <file>, written when the build is generated: `<library>|<its objects>|<entries it sees>|<objects of
# its layer it does not see>|<planted>|<folder>` for each recorded target that compiles sources (a
# generated one or one of another folder too) and each planted breach (PM001_FENCE_BREACHES,
# tests/CMakeLists.txt), held as the layer or part PM001_FENCE_BREACH_OF, PM001_FENCE_BESIDE among what
# it does not see. A part does not see its layer's own objects and its other parts' whose folder none
# of its entries names. <folder> is a part's own, whose sources it alone compiles, or the one a planted
# breach's source is read in (PM001_FENCE_PLANTED_IN).
function(pm001_fence_write_objects file units)
  set(table "")
  foreach(part IN LISTS units)
    # A part's objects are linked in its layer's archive, whose closed link resolves only what the
    # layer links: a link of the part alone leaves its calls unresolved there.
    pm001_fence_property(layer ${part} PM001_FENCE_PART_OF)
    if(NOT layer)
      continue()
    endif()
    pm001_fence_links(part_links ${part})
    pm001_fence_links(layer_links ${layer})
    foreach(link IN LISTS part_links)
      if(NOT link IN_LIST layer_links)
        message(SEND_ERROR "${part} links ${link}, which its layer ${layer} does not: the part's objects are "
                "linked in ${layer}'s archive, so name it on ${layer}'s line too, and in both rows of the "
                "guide's layer table (docs/developing.md).")
      endif()
    endforeach()
  endforeach()
  get_property(breaches GLOBAL PROPERTY PM001_FENCE_BREACHES)
  foreach(target IN LISTS units breaches)
    get_target_property(kind ${target} TYPE)
    pm001_fence_property(held ${target} PM001_FENCE_BREACH_OF)
    pm001_fence_property(planted ${target} PM001_FENCE_PLANTED)
    pm001_fence_property(unseen ${target} PM001_FENCE_BESIDE)
    if(kind STREQUAL "INTERFACE_LIBRARY")
      continue()
    elseif(NOT held)
      set(held ${target})
    endif()
    pm001_fence_seen(seen ${held})
    pm001_fence_property(layer ${held} PM001_FENCE_PART_OF)
    foreach(other IN LISTS units)
      pm001_fence_property(other_layer ${other} PM001_FENCE_PART_OF)
      if(NOT layer OR other STREQUAL held OR NOT (other STREQUAL layer OR other_layer STREQUAL layer))
        continue()
      endif()
      get_target_property(folder ${other} PM001_FENCE_FOLDER)
      set(named ${seen})
      list(FILTER named INCLUDE REGEX "^${folder}[^/]*$")
      if(NOT named)
        list(APPEND unseen ${other})
      endif()
    endforeach()
    list(TRANSFORM unseen REPLACE "^(.+)$" "$<TARGET_OBJECTS:\\1>")
    pm001_fence_property(folder ${target} PM001_FENCE_PLANTED_IN)
    pm001_fence_property(part_of ${target} PM001_FENCE_PART_OF)
    if(part_of)
      get_target_property(folder ${target} PM001_FENCE_FOLDER)
    endif()
    string(APPEND table "${target}|$<TARGET_OBJECTS:${target}>|${seen}|${unseen}|${planted}|${folder}\n")
  endforeach()
  string(REPLACE ";" "$<SEMICOLON>" table "${table}")
  file(GENERATE OUTPUT ${file} CONTENT "${table}")
endfunction()

# Of <headers>, those the entries name: under a folder (trailing slash), a file, or a pattern's
# matches (`*` within one folder).
function(pm001_fence_headers variable headers)
  set(alternatives "")
  foreach(entry IN LISTS ARGN)
    string(REGEX REPLACE "([][.+?^$()|\\])" "\\\\\\1" pattern "${entry}")
    string(REPLACE "*" "[^/]*" pattern "${pattern}")
    if(NOT entry MATCHES "/$")
      string(APPEND pattern "$")
    endif()
    list(APPEND alternatives "${pattern}")
  endforeach()
  list(JOIN alternatives "|" alternatives)
  list(FILTER headers INCLUDE REGEX "^(${alternatives})")
  set(${variable} ${headers} PARENT_SCOPE)
endfunction()

# A target's property, empty where it is not set.
function(pm001_fence_property variable target property)
  get_target_property(value ${target} ${property})
  if(NOT value)
    set(value "")
  endif()
  set(${variable} "${value}" PARENT_SCOPE)
endfunction()

# Every item a target links, privately or handed on (an interface library has only the latter).
function(pm001_fence_linked variable target)
  get_target_property(kind ${target} TYPE)
  set(items "")
  if(NOT kind STREQUAL "INTERFACE_LIBRARY")
    pm001_fence_property(items ${target} LINK_LIBRARIES)
  endif()
  pm001_fence_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  set(${variable} ${items} ${interface} PARENT_SCOPE)
endfunction()

# The libraries a target links, as the guide names them: a layer without its pm001_ prefix, an
# imported library by its package in lower case (Iconv::Iconv is iconv), a system library by its
# name; paths, flags and the archives of the closed-layer check are not libraries it links.
function(pm001_fence_links variable target)
  pm001_fence_linked(items ${target})
  set(names "")
  foreach(item IN LISTS items)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(TARGET ${item})
      if(item MATCHES "^pm001_(.+)$")
        list(APPEND names ${CMAKE_MATCH_1})
      elseif(item MATCHES "^([^:]+)::")
        string(TOLOWER ${CMAKE_MATCH_1} package)
        list(APPEND names ${package})
      else()
        list(APPEND names ${item})
      endif()
    elseif(item MATCHES "^[A-Za-z0-9_]+$")
      list(APPEND names ${item})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(SORT names)
  set(${variable} ${names} PARENT_SCOPE)
endfunction()

# The entries <target> sees: its own folder, its SEES, and the folder and SEES of every layer it
# links, directly or through what those hand on (a private link hands nothing on).
function(pm001_fence_seen variable target)
  get_target_property(folder ${target} PM001_FENCE_FOLDER)
  pm001_fence_property(sees ${target} PM001_FENCE_SEES)
  set(seen ${folder} ${sees})
  pm001_fence_linked(queue ${target})
  set(visited "")
  while(queue)
    list(POP_FRONT queue linked)
    if(NOT TARGET ${linked} OR linked IN_LIST visited)
      continue()
    endif()
    list(APPEND visited ${linked})
    get_target_property(linked_folder ${linked} PM001_FENCE_FOLDER)
    if(linked_folder)
      pm001_fence_property(linked_sees ${linked} PM001_FENCE_SEES)
      list(APPEND seen ${linked_folder} ${linked_sees})
    endif()
    pm001_fence_property(handed ${linked} INTERFACE_LINK_LIBRARIES)
    list(FILTER handed EXCLUDE REGEX "^\\$<LINK_ONLY:")
    list(APPEND queue ${handed})
  endwhile()
  set(${variable} ${seen} PARENT_SCOPE)
endfunction()

# Writes, once every target is made, the probe of each recorded layer and part (<dir>/<target>.cpp)
# and <dir>/links.txt: one line `<library>|<links>|<sees>` for each of them and for each of HOSTS,
# whose sees are the include folders they name themselves beside their own; and <dir>/modules.txt:
# `<file>|<its own objects>|||<planted>` for each of MODULES, the libraries the component ships in.
function(pm001_fence_write dir)
  cmake_parse_arguments(PARSE_ARGV 1 fence "" "" "HOSTS;MODULES")
  get_property(units GLOBAL PROPERTY PM001_FENCE_UNITS)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/platform/*.h
       ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/app/*.h)
  set(table "")
  foreach(target IN LISTS units)
    pm001_fence_seen(seen ${target})
    pm001_fence_headers(visible "${headers}" ${seen})
    set(refused ${headers})
    if(visible)
      list(REMOVE_ITEM refused ${visible})
    endif()
    # A header is spelled from its layer's folder up: platform/calc/x.h as "calc/x.h".
    list(TRANSFORM visible REPLACE "^(platform|src|app)/(.*)$"
         "#if !__has_include(\"\\2\")\n#error \"${target} does not see \\2\"\n#endif")
    list(TRANSFORM refused REPLACE "^(platform|src|app)/(.*)$"
         "#if __has_include(\"\\2\")\n#error \"${target} sees \\2\"\n#endif")
    list(JOIN visible "\n" found)
    list(JOIN refused "\n" not_found)
    set(probe "// Every header of the project, asked for with the include path of ${target}.\n${found}\n${not_found}\n")
    file(CONFIGURE OUTPUT ${dir}/${target}.cpp CONTENT "${probe}" @ONLY)
    pm001_fence_links(links ${target})
    pm001_fence_property(sees ${target} PM001_FENCE_SEES)
    string(APPEND table "${target}|${links}|${sees}\n")
  endforeach()
  foreach(target IN LISTS fence_HOSTS)
    pm001_fence_links(links ${target})
    get_target_property(own ${target} SOURCE_DIR)
    pm001_fence_property(dirs ${target} INCLUDE_DIRECTORIES)
    set(sees "")
    foreach(include_dir IN LISTS dirs)
      if(NOT include_dir STREQUAL own)
        file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${include_dir})
        list(APPEND sees ${relative}/)
      endif()
    endforeach()
    string(APPEND table "${target}|${links}|${sees}\n")
  endforeach()
  string(REPLACE ";" ", " table "${table}")
  file(CONFIGURE OUTPUT ${dir}/links.txt CONTENT "${table}" @ONLY)
  pm001_fence_write_objects(${dir}/objects.txt "${units}")
  set(modules "")
  foreach(target IN LISTS fence_MODULES)
    pm001_fence_property(planted ${target} PM001_FENCE_PLANTED)
    string(APPEND modules "$<TARGET_FILE:${target}>|$<TARGET_OBJECTS:${target}>|||${planted}\n")
  endforeach()
  file(GENERATE OUTPUT ${dir}/modules.txt CONTENT "${modules}")
endfunction()
