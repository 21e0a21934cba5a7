# Warnings are errors on both toolchains; every target of ours links this.
add_library(dovuv32_warnings INTERFACE)
target_compile_options(dovuv32_warnings INTERFACE -Wall -Wextra -Werror)

# dovuv32_public_headers(target header...): headers installed for hosts.
# They are recorded on the target and installed flat into the target's
# include folder by Dovuv32Install.cmake.
function(dovuv32_public_headers target)
  foreach(h IN LISTS ARGN)
    get_filename_component(abs ${h} ABSOLUTE)
    set_property(TARGET ${target} APPEND PROPERTY DOVUV32_PUBLIC_HEADERS ${abs})
  endforeach()
endfunction()

# dovuv32_subsystem(sources...): adds a folder's sources to dovuv32 and the
# folder to its include path.
macro(dovuv32_subsystem)
  target_sources(dovuv32 PRIVATE ${ARGN})
  target_include_directories(dovuv32 PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
  file(GLOB _dovuv32_headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  dovuv32_public_headers(dovuv32 ${_dovuv32_headers})
endmacro()
