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
# Each character set's package has a folder of its own, dovuv32 or dovuv32u:
# find_package(dovuv32) looks into both and takes the one whose version file
# accepts the host.
set(_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/dovuv32${DOVUV32_CHARSET_SUFFIX})
install(EXPORT dovuv32Targets
  NAMESPACE dovuv32::
  DESTINATION ${_package_dir})

configure_package_config_file(cmake/dovuv32Config.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32Config.cmake
  INSTALL_DESTINATION ${_package_dir})
# The version file refuses a host of the other pointer size (the basic
# file's own test) or of the other character set (the part added to it).
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32ConfigVersionBasic.cmake
  COMPATIBILITY SameMinorVersion)
if(DOVUV32_UNICODE)
  set(DOVUV32_PACKAGE_UNICODE ON)
else()
  set(DOVUV32_PACKAGE_UNICODE OFF)
endif()
configure_file(cmake/dovuv32ConfigVersion.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32ConfigVersion.cmake @ONLY)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32Config.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32ConfigVersion.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/dovuv32ConfigVersionBasic.cmake
  DESTINATION ${_package_dir})

# A Windows host needs the toolchain's runtime DLLs beside our DLLs.
if(WIN32)
  install(FILES ${DOVUV32_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
