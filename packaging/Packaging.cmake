# Installation of the program with its desktop integration, the Debian package
# (cpack -G DEB) and the tests of both. Included from the top-level
# CMakeLists.txt after ui/, so that the target `mostaric` is known here.
#
#   cmake --install build --prefix /usr            # honours DESTDIR
#   (cd build && cpack -G DEB)                     # mostaric_1.00_<arch>.deb
if(NOT TARGET mostaric)
  return()
endif()

# One id for the desktop entry, the AppStream component and the icon.
set(MOSTARIC_APP_ID org.mostaric.Mostaric)
set(MOSTARIC_PACKAGE_VERSION 1.00)
set(MOSTARIC_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
# The 96 x 96 picture that the windows show, and its scalable drawing.
set(MOSTARIC_ICON_PNG ${PROJECT_SOURCE_DIR}/ui/icons/mostaric.png)
set(MOSTARIC_ICON_SVG ${MOSTARIC_PACKAGING_DIR}/${MOSTARIC_APP_ID}.svg)

install(TARGETS mostaric RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MOSTARIC_PACKAGING_DIR}/${MOSTARIC_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MOSTARIC_PACKAGING_DIR}/${MOSTARIC_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MOSTARIC_ICON_PNG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/96x96/apps
        RENAME ${MOSTARIC_APP_ID}.png)
install(FILES ${MOSTARIC_ICON_SVG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${MOSTARIC_APP_ID}.svg)

include(${MOSTARIC_PACKAGING_DIR}/DebianPackage.cmake)

if(MOSTARIC_BUILD_TESTS)
  add_subdirectory(${MOSTARIC_PACKAGING_DIR}/tests ${CMAKE_BINARY_DIR}/packaging/tests)
endif()
