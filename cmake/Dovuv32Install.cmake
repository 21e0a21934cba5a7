# Installs the three libraries, their headers and a package config, so that a
# host does find_package(dovuv32) and links dovuv32::dovuv32.
include(CMakePackageConfigHelpers)

set(_dest ${CMAKE_INSTALL_INCLUDEDIR}/dovuv32)
foreach(target dezu32 mfc dovuv32)
  get_target_property(headers ${target} DOVUV32_PUBLIC_HEADERS)
  get_target_property(subdir ${target} DOVUV32_HEADER_SUBDIR)
  if(NOT subdir)
    set(subdir "")
  endif()
  install(FILES ${headers} DESTINATION ${_dest}/${subdir})
endforeach()

# The installed libraries lie in one folder and find each other there,
# wherever the folder is moved: a host that names only dovuv32's own symbols
# (and so does not list the libraries below it) still starts.
if(NOT WIN32)
  set_target_properties(dezu32 mfc dovuv32 PROPERTIES INSTALL_RPATH "$ORIGIN")
endif()

install(TARGETS dezu32 mfc dovuv32
  EXPORT dovuv32Targets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT dovuv32Targets
  NAMESPACE dovuv32::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/dovuv32)

configure_package_config_file(cmake/dovuv32Config.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32Config.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/dovuv32)
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32ConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32Config.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32ConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/dovuv32)

# A Windows host needs the toolchain's runtime DLLs beside our DLLs.
if(WIN32)
  install(FILES ${DOVUV32_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
