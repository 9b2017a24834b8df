# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The static Qt for Windows, as an initial cache for Qt's configure (cmake
# -C): off, every feature neither the program nor its tests touch, since the
# accessibility factory and the style sheet style pull in every widget they
# know. A change here builds Qt again (the cache key includes this file).
# Kept: the windows platform plugin with accessibility, clipboard, input
# methods and high-DPI; the forms' widgets; Fusion and style sheets; PNG and
# ICO; opening the forum link; QProcess, QRegularExpression, QTemporaryFile
# for the tests.

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
# -Os; Qt's gc_binaries already drops at link time what nothing calls.
set(FEATURE_optimize_size ON CACHE BOOL "")

# Qt's own copies of libraries (MinGW has none); no wintab in the +dfsg source.
mostaric_qt_off(sql network dbus printsupport concurrent xml vulkan icu glib fontconfig
                tabletevent)
mostaric_qt_off(system_zlib system_png system_jpeg system_pcre2 system_freetype
                system_harfbuzz system_doubleconversion)
set(INPUT_openssl no CACHE STRING "")
# Widgets paint with the raster engine: no OpenGL (Qt's -no-opengl).
set(INPUT_opengl no CACHE STRING "")

# Core; PCRE2 stays (Qt's build requires it), without its JIT compiler: the
# tests' few patterns match as fast interpreted.
set(QT_EXTRA_DEFINES PCRE2_DISABLE_JIT CACHE STRING "")
mostaric_qt_off(commandlineparser filesystemwatcher sharedmemory systemsemaphore mimetype
                timezone xmlstream jalalicalendar hijricalendar
                islamiccivilcalendar datetimeparser sha3_fast sortfilterproxymodel
                identityproxymodel transposeproxymodel concatenatetablesproxymodel)

# Gui: direct2d stays for DirectWrite, FreeType for the tests' offscreen
# platform.
mostaric_qt_off(direct2d1_1 movie picture pdf systemtrayicon sessionmanager whatsthis
                textodfwriter textmarkdownreader textmarkdownwriter
                undocommand undostack undogroup filesystemmodel
                gif jpeg imageformat_jpeg imageformat_ppm imageformat_xbm)

# Widgets the forms do not hold.
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
