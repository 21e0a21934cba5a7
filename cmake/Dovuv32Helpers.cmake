# Warnings are errors on every toolchain; every target of ours links this.
# An integer cast to a pointer of another size is where 32-bit-only code
# loses the upper half of a 64-bit pointer. The reverse, a pointer cast to a
# narrower integer, is an error in C++ already (g++ takes
# -Wpointer-to-int-cast for C only).
add_library(dovuv32_warnings INTERFACE)
target_compile_options(dovuv32_warnings INTERFACE -Wall -Wextra -Werror -Wint-to-pointer-cast)

# dovuv32_public_headers(target header...): headers installed for hosts.
# They are recorded on the target and installed flat into the target's
# include folder by Dovuv32Install.cmake.
function(dovuv32_public_headers target)
  foreach(h IN LISTS ARGN)
    get_filename_component(abs ${h} ABSOLUTE)
    set_property(TARGET ${target} APPEND PROPERTY DOVUV32_PUBLIC_HEADERS ${abs})
  endforeach()
endfunction()

# dovuv32_layer(name [DEPENDS layer...] source... [WINDOWS source...]): one
# layer of dovuv32, made of the calling folder's sources (dovuv32_<name>).
# Its sources see the framework, dezu32 and the headers of the layers it
# depends on, and of theirs, but no layer above: an include that goes up a
# layer does not compile. The objects go into dovuv32, whose hosts see every
# layer's headers. Sources after WINDOWS (and their headers) exist on the
# Windows targets only; a layer without sources on a target is its headers.
function(dovuv32_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;WINDOWS" ${ARGN})
  set(sources ${ARG_UNPARSED_ARGUMENTS})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(WIN32)
    list(APPEND sources ${ARG_WINDOWS})
  else()
    foreach(src IN LISTS ARG_WINDOWS)
      get_filename_component(stem ${src} NAME_WE)
      list(REMOVE_ITEM headers ${CMAKE_CURRENT_SOURCE_DIR}/${stem}.h)
    endforeach()
  endif()
  set(layer dovuv32_${name})
  list(TRANSFORM ARG_DEPENDS PREPEND dovuv32_ OUTPUT_VARIABLE below)
  if(sources)
    add_library(${layer} OBJECT ${sources})
    set_target_properties(${layer} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    target_compile_definitions(${layer} PRIVATE _AFXEXT)
    target_include_directories(${layer} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${layer} PUBLIC dovuv32::mfc dovuv32::dezu32 ${below}
                          PRIVATE dovuv32_warnings)
    target_link_libraries(dovuv32 PRIVATE ${layer})
  else()
    add_library(${layer} INTERFACE)
    target_include_directories(${layer} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${layer} INTERFACE dovuv32::mfc dovuv32::dezu32 ${below})
  endif()
  target_include_directories(dovuv32 PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
  dovuv32_public_headers(dovuv32 ${headers})
endfunction()
