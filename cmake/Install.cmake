# Where a desktop expects the game: the program, its guide, the launcher, the
# icon in the hicolor theme and the AppStream metadata; and a Debian package.
include(GNUInstallDirs)

install(TARGETS tessolina
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .)
# The help window looks beside the program and in ../share/tessolina.
install(FILES resources/TessolinaHelp.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/tessolina)
install(FILES packaging/io.github.tessolina.Tessolina.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/io.github.tessolina.Tessolina.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES packaging/icons/${size}x${size}/tessolina.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_PACKAGE_NAME "tessolina")
set(CPACK_PACKAGE_VENDOR "The Tessolina Team")
set(CPACK_PACKAGE_CONTACT "The Tessolina Team <tessolina@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Picture tile game: put a picture back together from its tiles")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
include(CPack)
