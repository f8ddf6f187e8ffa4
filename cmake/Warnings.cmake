# Our own targets build with these warnings; the build stays free of them.
function(quillan_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# One library per source folder: every .cpp directly in the folder.
function(quillan_library target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/qn\\.cpp$")
  add_library(${target} STATIC ${sources} ${headers} ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  quillan_warnings(${target})
endfunction()
