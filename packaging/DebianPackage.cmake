# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# CPack settings for the Debian package `mostaric`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mostaric)
set(CPACK_PACKAGE_VERSION ${MOSTARIC_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "The Mostaric developers")
set(CPACK_PACKAGE_CONTACT "${MOSTARIC_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculator of sugar, sulfite and yeast for home-made red wine")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Debian's modes whatever the umask of the machine that builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME ${MOSTARIC_DEB_NAME})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MOSTARIC_HOMEPAGE}")
# CPack puts the summary above this text and indents each of its lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Mostaric is a small desktop calculator for people who make red wine at
home from crushed grapes. From a batch's measured specific gravity, grape
variety and weight it tells the must's sugar content and natural alcohol,
the sugar to add for a target strength, the potassium metabisulfite or
sulfurous acid solution and the yeast to add.

All texts of the program are in Simplified Chinese.")

# The faces the windows are measured for (scripts/lib/debian_releases.sh):
# nothing in the binary links them, so dpkg-shlibdeps cannot find them.
list(JOIN MOSTARIC_FONT_PACKAGES ", " _font_depends)
find_program(MOSTARIC_DPKG_SHLIBDEPS dpkg-shlibdeps)
add_feature_info(deb_shlibdeps MOSTARIC_DPKG_SHLIBDEPS
                 "the Debian package's library dependencies read by dpkg-shlibdeps (package dpkg-dev)")
if(MOSTARIC_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_font_depends}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), ${_font_depends}")
endif()

include(CPack)
