# Fails when a core source (src/**, not forms/) includes a header of QtWidgets or QtPrintSupport,
# however it is spelt: <QtWidgets>, <QtWidgets/QWidget>, <QWidget>, <qwidget.h>, "QPrinter" ...
# The core links QtCore, QtGui and QtXml only; a widget header in it would tie the rules of the
# program to a display.
#
#   cmake -DSOURCE_ROOT=<folder holding src/> -DFORBIDDEN="<QtWidgets dir>|<QtPrintSupport dir>"
#         -DALLOWED="<QtCore dir>|<QtGui dir>|<QtXml dir>" [-DEXPECTED=N] -P CheckCoreIncludes.cmake
#
# EXPECTED (default 0) is how many offending lines there must be; the check's own test runs it
# over a folder of known offenders.
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED EXPECTED)
  set(EXPECTED 0)
endif()
string(REPLACE "|" ";" FORBIDDEN "${FORBIDDEN}")
string(REPLACE "|" ";" ALLOWED "${ALLOWED}")

# Header names of the forbidden modules, less those the allowed modules also provide (QtWidgets
# still carries forwarding headers for classes that moved to QtGui, such as QAction).
set(forbidden_names "")
set(forbidden_modules "")
foreach(dir IN LISTS FORBIDDEN)
  get_filename_component(module "${dir}" NAME)
  string(TOLOWER "${module}" module)
  list(APPEND forbidden_modules "${module}")
  file(GLOB names RELATIVE "${dir}" "${dir}/*")
  list(APPEND forbidden_names ${names})
endforeach()
foreach(dir IN LISTS ALLOWED)
  file(GLOB names RELATIVE "${dir}" "${dir}/*")
  list(REMOVE_ITEM forbidden_names ${names})
endforeach()
if(forbidden_names STREQUAL "")
  message(FATAL_ERROR "No header names found under FORBIDDEN='${FORBIDDEN}'")
endif()

file(GLOB_RECURSE sources "${SOURCE_ROOT}/src/*.h" "${SOURCE_ROOT}/src/*.hpp" "${SOURCE_ROOT}/src/*.cpp")
list(FILTER sources EXCLUDE REGEX "/forms/")
set(found 0)
foreach(source IN LISTS sources)
  file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
    string(REPLACE "\\" "/" header "${header}")
    string(REGEX MATCH "^[^/]+" first "${header}")
    string(TOLOWER "${first}" first)
    get_filename_component(name "${header}" NAME)
    if(first IN_LIST forbidden_modules OR name IN_LIST forbidden_names)
      file(RELATIVE_PATH shown "${SOURCE_ROOT}" "${source}")
      message(STATUS "${shown}: ${line}")
      math(EXPR found "${found} + 1")
    endif()
  endforeach()
endforeach()

if(NOT found EQUAL EXPECTED)
  message(FATAL_ERROR "${found} core include(s) of QtWidgets or QtPrintSupport (expected ${EXPECTED}); "
    "windows belong in a forms/ folder")
endif()
