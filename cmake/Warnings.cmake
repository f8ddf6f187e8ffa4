# Our own targets build with these warnings; the build stays free of them.
# CI builds with QUILLAN_WERROR so that a new warning fails the run.
option(QUILLAN_WERROR "Treat compiler warnings as errors" OFF)
function(quillan_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(QUILLAN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# One library per source folder: every .cpp directly in the folder (or in each of its FOLDERS, which are
# then on the include path each, so that files include one another by name), except the files whose
# names start with one of the EXCLUDE prefixes (parts that an option leaves out).
function(quillan_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "EXCLUDE;FOLDERS")
  set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  if(arg_FOLDERS)
    list(TRANSFORM arg_FOLDERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE dirs)
  endif()
  set(sources "")
  set(headers "")
  foreach(dir IN LISTS dirs)
    file(GLOB dir_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    file(GLOB dir_headers CONFIGURE_DEPENDS ${dir}/*.h)
    list(APPEND sources ${dir_sources})
    list(APPEND headers ${dir_headers})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/qn\\.cpp$")
  foreach(prefix IN LISTS arg_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${prefix}[^/]*$")
    list(FILTER headers EXCLUDE REGEX "/${prefix}[^/]*$")
  endforeach()
  add_library(${target} STATIC ${sources} ${headers} ${arg_UNPARSED_ARGUMENTS})
  quillan_moc_watch(${target} ${sources} ${headers})
  target_include_directories(${target} PUBLIC ${dirs})
  quillan_warnings(${target})
endfunction()

# AUTOMOC runs again only when a file it scanned before changes, so a file added to a
# folder would go without moc. A list of the target's files, rewritten only when the
# list changes, is one of the scanned files and makes moc look again.
function(quillan_moc_watch target)
  string(REPLACE ";" "\n// " files "${ARGN}")
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_files.h)
  file(CONFIGURE OUTPUT ${list_file} CONTENT "// Files of ${target}:\n// ${files}\n")
  target_sources(${target} PRIVATE ${list_file})
endfunction()
