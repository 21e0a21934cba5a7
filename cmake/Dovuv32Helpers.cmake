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

# dovuv32_subsystem(source... [WINDOWS source...]): adds a folder's sources
# to dovuv32 and the folder to its include path. Sources after WINDOWS (and
# their headers) exist on the win32 target only.
macro(dovuv32_subsystem)
  cmake_parse_arguments(_sub "" "" "WINDOWS" ${ARGN})
  set(_sub_sources ${_sub_UNPARSED_ARGUMENTS})
  file(GLOB _sub_headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(WIN32)
    list(APPEND _sub_sources ${_sub_WINDOWS})
  else()
    foreach(_src IN LISTS _sub_WINDOWS)
      get_filename_component(_name ${_src} NAME_WE)
      list(REMOVE_ITEM _sub_headers ${CMAKE_CURRENT_SOURCE_DIR}/${_name}.h)
    endforeach()
  endif()
  target_sources(dovuv32 PRIVATE ${_sub_sources})
  target_include_directories(dovuv32 PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
  dovuv32_public_headers(dovuv32 ${_sub_headers})
endmacro()
