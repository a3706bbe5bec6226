# Writes the declarations of every parameter export, one plain C declaration a line, from the
# parameter tables: the per-name exports (kova/parameters/<family>.def) and the typed by-name exports
# (kova/parameters/by_name.h). The result is kept in the tree so that a user can read and grep it.
#
#   cmake -DKOVA_SOURCE_DIR=<tree> -P KovaParameterHeader.cmake              rewrite the header
#   cmake -DKOVA_SOURCE_DIR=<tree> -DKOVA_CHECK=ON -P KovaParameterHeader.cmake
#                                                           fail when the header differs from the tables
cmake_minimum_required(VERSION 3.20)

set(tables ${KOVA_SOURCE_DIR}/include/kova/parameters)
set(header ${KOVA_SOURCE_DIR}/include/kova/tesselapi_parameters_generated.h)

# Value type name -> C type, from value_types.h.
file(STRINGS ${tables}/value_types.h type_rows REGEX "^#define KOVA_PARAMETER_TYPE_")
foreach(row IN LISTS type_rows)
  string(REGEX MATCH "^#define KOVA_PARAMETER_TYPE_([A-Za-z0-9]+) (.+)$" _ "${row}")
  set(ctype_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()

set(text "/* Generated from the parameter tables by cmake/KovaParameterHeader.cmake; do not edit.
   Regenerate with: cmake -DKOVA_SOURCE_DIR=. -P cmake/KovaParameterHeader.cmake
   Included by kova/tesselapi_parameters.h, which says what the exports do. */
#ifndef KOVA_TESSELAPI_PARAMETERS_GENERATED_H
#define KOVA_TESSELAPI_PARAMETERS_GENERATED_H

#include \"kova/parameters/value_types.h\"
#include \"kova/tesselapi_types.h\"
")

set(prefix "KOVA_EXTERN_C KOVA_API kova_result")

# family table, export stem, index argument (empty for the system family)
foreach(family axis:AxisParameter:axis system:SystemParameter: process:ProcessParameter:process slot:SlotParameter:slot)
  string(REPLACE ":" ";" parts "${family}")
  list(GET parts 0 table)
  list(GET parts 1 stem)
  list(LENGTH parts count)
  set(index "")
  if(count GREATER 2)
    list(GET parts 2 index)
  endif()
  set(at "")
  if(index)
    set(at ", int32_t ${index}")
  endif()
  string(APPEND text "\n/* ${stem}s (kova/parameters/${table}.def) */\n")
  file(STRINGS ${tables}/${table}.def rows REGEX "^KOVA_PARAMETER\\(")
  foreach(row IN LISTS rows)
    if(NOT row MATCHES "^KOVA_PARAMETER\\(([A-Za-z0-9_]+), *[^,]+, *[A-Za-z0-9]+, *(RW|RO), *([A-Za-z0-9]+)\\)")
      message(FATAL_ERROR "${table}.def: cannot read the row ${row}")
    endif()
    set(name ${CMAKE_MATCH_1})
    set(access ${CMAKE_MATCH_2})
    set(ctype "${ctype_${CMAKE_MATCH_3}}")
    string(APPEND text "${prefix} kova_Get${stem}_${name}(kova_context context${at}, ${ctype}* value);\n")
    if(access STREQUAL "RW")
      string(APPEND text "${prefix} kova_Set${stem}_${name}(kova_context context${at}, ${ctype} value);\n")
    endif()
  endforeach()
endforeach()

# The typed by-name exports: the system family, then each indexed family, in each value type.
# (Read whole: its rows end in backslashes, which would escape the list separators of file(STRINGS).)
file(READ ${tables}/by_name.h by_name)
string(REGEX MATCHALL "X\\(family, [A-Za-z0-9]+\\)" type_rows "${by_name}")
string(REGEX REPLACE "X\\(family, ([A-Za-z0-9]+)\\)" "\\1" types "${type_rows}")
string(REGEX MATCHALL "X\\([A-Z][A-Za-z]+, [a-z]+\\)" family_rows "${by_name}")
string(REGEX REPLACE "X\\(([A-Za-z]+), ([a-z]+)\\)" "\\1:\\2" families "${family_rows}")
string(APPEND text "\n/* Parameters by name and type (kova/parameters/by_name.h) */\n")
foreach(family System: ${families})
  string(REPLACE ":" ";" parts "${family}")
  list(GET parts 0 stem)
  list(LENGTH parts count)
  set(at "")
  if(count GREATER 1)
    list(GET parts 1 index)
    if(index)
      set(at ", int32_t ${index}")
    endif()
  endif()
  foreach(type IN LISTS types)
    set(ctype "${ctype_${type}}")
    string(APPEND text "${prefix} kova_Get${stem}Parameter${type}Value(kova_context context, const char* name${at}, ${ctype}* value);\n")
    string(APPEND text "${prefix} kova_Set${stem}Parameter${type}Value(kova_context context, const char* name${at}, ${ctype} value);\n")
  endforeach()
endforeach()

string(APPEND text "\n#endif\n")

if(KOVA_CHECK)
  file(READ ${header} kept)
  if(NOT kept STREQUAL text)
    message(FATAL_ERROR "${header} differs from the parameter tables; regenerate it with\n"
                        "  cmake -DKOVA_SOURCE_DIR=${KOVA_SOURCE_DIR} -P ${CMAKE_CURRENT_LIST_FILE}")
  endif()
else()
  file(WRITE ${header} "${text}")
endif()
