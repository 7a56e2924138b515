# Included by the top-level CMakeLists.txt, so that cpack runs in the build
# folder. The install (Linux layout) and the Debian package built from it:
#
#   cmake --install build --prefix P     P/bin/torchhero, P/share/torchhero/,
#                                        desktop entry, icons, metainfo
#   (cd build && cpack -G DEB)           torchhero_<version>_<arch>.deb
#
# The data comes from the asset generator's install tree (GAME_SHARE_DIR),
# never from the run directory, which tests and players write into.

# The date of this version, for the metainfo's release entry.
set(GAME_RELEASE_DATE 2026-12-06)
# The AppStream id, reverse-DNS as AppStream asks; the desktop entry carries
# the same name.
set(GAME_APP_ID org.torchhero.TorchHero)
set(GAME_METAINFO ${CMAKE_BINARY_DIR}/packaging/${GAME_APP_ID}.metainfo.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${GAME_APP_ID}.metainfo.xml.in ${GAME_METAINFO} @ONLY)

install(TARGETS torchhero RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${GAME_SHARE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}
  PATTERN .assets-stamp EXCLUDE)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${GAME_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GAME_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME torchhero)
set(CPACK_PACKAGE_VENDOR "Torch Hero developers")
set(CPACK_PACKAGE_CONTACT "Torch Hero developers <torchhero@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "Steer a small hero with a torch through eight hand-built 3D levels
of blocks, hazardous floors, moving platforms, boulders and enemies,
drawn with toon shading and black outlines.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY torchhero)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binary (dpkg-shlibdeps); Qt's X11 platform
# plugin is loaded at run time, so no library names it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
