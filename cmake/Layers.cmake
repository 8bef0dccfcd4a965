# Layers of the program as build targets.
#
# planova_layer(NAME [LOWER...]) makes the target planova_NAME from src/NAME/*.cpp. Its sources see
# an include root (in the build folder) that holds src/NAME and src/LOWER... only, so including a
# header of a layer above, or of a layer beside it, fails with "No such file or directory". The
# target links the targets of the lower layers. A layer without sources yet is an interface target.

function(planova_layer name)
  set(lower ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  foreach(layer ${name} ${lower})
    if(NOT EXISTS ${root}/${layer})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${layer} ${root}/${layer} SYMBOLIC)
    endif()
  endforeach()

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  set(target planova_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
    target_include_directories(${target} PRIVATE ${root})
    target_link_libraries(${target} PUBLIC planova_options)
    foreach(layer ${lower})
      target_link_libraries(${target} PUBLIC planova_${layer})
    endforeach()
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE planova_options)
    foreach(layer ${lower})
      target_link_libraries(${target} INTERFACE planova_${layer})
    endforeach()
  endif()
endfunction()
