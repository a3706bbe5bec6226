# What `cmake --install` puts in place and what CPack packs: the module, the stand-ins of the
# controller's library and of the text resources, kova, the public headers, a CMake package
# (Kova::TesselApi) and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Installed Linux binaries find their neighbours relative to themselves, wherever the tree is copied.
set_target_properties(Kova_TesselApi_Vireo vireo_api_x64 Kova_TesselApi_Res PROPERTIES INSTALL_RPATH "\$ORIGIN")
set_target_properties(Kova_TesselApi_Vireo PROPERTIES EXPORT_NAME TesselApi)
set(kova_installed Kova_TesselApi_Vireo vireo_api_x64 Kova_TesselApi_Res)
if(TARGET kova)
  file(RELATIVE_PATH lib_from_bin /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
  set_target_properties(kova PROPERTIES INSTALL_RPATH "\$ORIGIN/${lib_from_bin}")
  list(APPEND kova_installed kova)
endif()

install(TARGETS ${kova_installed} EXPORT KovaTesselApiTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/kova DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/examples/hello.c ${PROJECT_SOURCE_DIR}/examples/demo.kova
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kova/examples)

set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/KovaTesselApi)
install(EXPORT KovaTesselApiTargets NAMESPACE Kova:: DESTINATION ${config_dir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KovaTesselApiConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/KovaTesselApiConfig.cmake INSTALL_DESTINATION ${config_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/KovaTesselApiConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/KovaTesselApiConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/KovaTesselApiConfigVersion.cmake
        DESTINATION ${config_dir})

# The prefix is found from the file's own place, so the installed tree can move.
file(RELATIVE_PATH KOVA_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${PROJECT_SOURCE_DIR}/cmake/kova-tesselapi.pc.in ${CMAKE_CURRENT_BINARY_DIR}/kova-tesselapi.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kova-tesselapi.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_PACKAGE_NAME kova-tesselapi)
set(CPACK_PACKAGE_VENDOR "Kova")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Connection module for the Vireo motion controller, with the kova tool")
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_GENERATOR TGZ)
endif()
include(CPack)
