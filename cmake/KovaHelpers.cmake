# Build helpers shared by the module, the stand-ins, the tools and the tests.

# Warnings for our own targets only; third-party code (GoogleTest) keeps its own flags.
add_library(kova_warnings INTERFACE)
target_compile_options(kova_warnings INTERFACE -Wall -Wextra $<$<BOOL:${KOVA_WERROR}>:-Werror>)

# System libraries every binary of the module family needs.
add_library(kova_system_libs INTERFACE)
if(WIN32)
  target_link_libraries(kova_system_libs INTERFACE ws2_32)
else()
  target_link_libraries(kova_system_libs INTERFACE Threads::Threads ${CMAKE_DL_LIBS})
endif()

# Sources under DIR (recursive glob), less the files of the other operating system:
# *_win32.cpp only build for Windows, *_posix.cpp only elsewhere.
function(kova_glob_sources out_var dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  list(SORT sources)
  set(${out_var} ${sources} PARENT_SCOPE)
endfunction()

# A shared library must resolve every symbol it uses, except under clang's sanitizers, whose
# runtimes come with the executable that loads it.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  set(KOVA_NO_UNDEFINED "")
else()
  set(KOVA_NO_UNDEFINED -Wl,--no-undefined)
endif()

# Names and file layout of a shared library that an application loads: no "lib" prefix on Windows,
# and on Linux only the names the version script lets through are visible.
function(kova_shared_library_layout target)
  if(WIN32)
    set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "")
    # Explicit dllexport marks alone decide the export table.
    target_link_options(${target} PRIVATE -Wl,--exclude-all-symbols)
  else()
    set(map ${PROJECT_SOURCE_DIR}/cmake/linux_exports.map)
    target_link_options(${target} PRIVATE ${KOVA_NO_UNDEFINED} -Wl,--version-script=${map})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
  endif()
endfunction()

# The emulator that runs the cross-built Windows executables: Wine, in a prefix inside the build tree.
function(kova_setup_wine_emulator)
  if(NOT (CMAKE_CROSSCOMPILING AND WIN32) OR CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  find_program(KOVA_WINE wine REQUIRED)
  find_program(KOVA_WINESERVER wineserver PATHS /usr/lib/wine REQUIRED)
  set(KOVA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE
                 @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh CACHE FILEPATH
      "Runs Windows executables of this build" FORCE)
endfunction()

# A test that the shared library `target` exports exactly the names of `list_file`, one per line.
function(kova_add_exports_test name target list_file)
  if(WIN32)
    set(mode pe)
    set(tool ${CMAKE_OBJDUMP})
  else()
    set(mode elf)
    set(tool ${CMAKE_NM})
  endif()
  add_test(NAME ${name}
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/exported_symbols_test.sh ${mode} ${tool} $<TARGET_FILE:${target}> ${list_file})
endfunction()
