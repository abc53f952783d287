# One static library per folder of src/: vt_<name> from src/<name>/*.cpp,
# linking only the libraries it is given (all of them lower in the order).
function(vt_game_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
  add_library(vt_${name} STATIC ${sources})
  target_include_directories(vt_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vt_${name} PUBLIC ${ARG_DEPENDS})
endfunction()
