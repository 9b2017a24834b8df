# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Qt for Windows that the program links statically, as an initial cache
# for Qt's own configure (cmake -C): Qt's feature switches, off for all that
# neither the program nor its tests touch. Whatever Qt links of a feature
# that is on (the accessibility factory and the style sheet style name every
# widget class they know) ends up in mostaric.exe, so each widget, dialog and
# format left out here is code the program no longer carries.
# scripts/build_qt_windows.sh keys its cache on this file: a change here
# builds Qt again, and nothing else needs to know.
#
# Kept on: Core, Gui and Widgets; the windows platform plugin with its
# accessibility, clipboard, drag and drop, input methods and high-DPI
# scaling; the widgets of the two forms and what they are made of (label,
# line edit, push button, combo box with its list view and scroll bar,
# menu, tooltip); Fusion and the style sheets of the field marks (which
# need the Windows style beneath them); PNG and ICO for the icon; opening
# the forum link; and QProcess, QRegularExpression and QTemporaryFile for
# the tests. OpenGL stays too: the windows platform plugin does not build
# without it.

macro(mostaric_qt_off)
  foreach(_feature IN ITEMS ${ARGN})
    set(FEATURE_${_feature} OFF CACHE BOOL "" FORCE)
  endforeach()
endmacro()

# Static, release, no examples or tests of Qt's own.
set(BUILD_SHARED_LIBS OFF CACHE BOOL "")
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_BUILD_BENCHMARKS OFF CACHE BOOL "")
# Qt's bill of materials: nothing ships it.
set(QT_GENERATE_SBOM OFF CACHE BOOL "")
# For size: -Os. A static Qt already puts each function and datum in a
# section of its own and hands --gc-sections to every program it links
# (Qt's gc_binaries), so that the linker drops what nothing calls.
set(FEATURE_optimize_size ON CACHE BOOL "")

# Modules, and Qt's own copies of the libraries it needs, not the system's
# (there is none for MinGW); no OpenSSL, no wintab in the +dfsg source.
mostaric_qt_off(sql network dbus printsupport concurrent xml vulkan icu glib fontconfig
                tabletevent)
mostaric_qt_off(system_zlib system_png system_jpeg system_pcre2 system_freetype
                system_harfbuzz system_doubleconversion)
set(INPUT_openssl no CACHE STRING "")

# Core: files, time zones, XML and models the program never meets. The
# regular expressions stay: Qt's build requires PCRE2, and the tests use them.
mostaric_qt_off(commandlineparser filesystemwatcher sharedmemory systemsemaphore mimetype
                timezone xmlstream jalalicalendar hijricalendar
                islamiccivilcalendar datetimeparser sha3_fast sortfilterproxymodel
                identityproxymodel transposeproxymodel concatenatetablesproxymodel)

# Gui: the direct2d platform plugin (direct2d itself stays, for DirectWrite),
# documents, images and models of other programs. FreeType
# stays: the tests' offscreen platform draws with it, and the windows
# platform plugin offers it besides DirectWrite.
mostaric_qt_off(direct2d1_1 movie picture pdf systemtrayicon sessionmanager whatsthis
                textodfwriter textmarkdownreader textmarkdownwriter
                undocommand undostack undogroup filesystemmodel
                gif jpeg imageformat_jpeg imageformat_ppm imageformat_xbm)

# Widgets: every widget, dialog, style and gesture the forms do not hold.
mostaric_qt_off(style_windowsvista style_windows11 gestures
                calendarwidget datetimeedit spinbox keysequenceedit dial
                lcdnumber progressbar splashscreen splitter stackedwidget
                tabwidget tabbar toolbox toolbar dockwidget mainwindow menubar statusbar
                mdiarea sizegrip rubberband resizehandler scroller
                checkbox radiobutton buttongroup groupbox commandlinkbutton formlayout
                fontcombobox textedit textbrowser syntaxhighlighter graphicsview
                graphicseffect treeview treewidget tableview tablewidget listwidget
                columnview datawidgetmapper completer fscompleter undoview
                dialogbuttonbox messagebox colordialog filedialog fontdialog
                progressdialog inputdialog errormessage wizard)
