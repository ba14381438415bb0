cmake_minimum_required(VERSION 3.25)
# Checks the include lines of every program source against the layers:
#   cmake -DSOURCE_DIR=<source root> -P CheckLayers.cmake
# A folder is a library; it may include its own headers and those of the
# folders listed for it. A widgets folder (<subsystem>/ui, and
# analysis/results) may also use its subsystem's logic library and what that
# one may use. Folders that are not listed (tests, bench, fuzz) are not
# checked. Logic folders may not include Qt Widgets headers at all.

set(LOWER_LOGIC platform files keyboard users)

set(ALLOWED_platform "")
set(ALLOWED_files platform)
set(ALLOWED_keyboard platform files)
set(ALLOWED_users platform files)
set(ALLOWED_analysis platform files users)
set(ALLOWED_engine ${LOWER_LOGIC} analysis)
set(ALLOWED_course ${LOWER_LOGIC})
set(ALLOWED_games ${LOWER_LOGIC})
set(ALLOWED_revision ${LOWER_LOGIC} course analysis engine)
set(ALLOWED_guided ${LOWER_LOGIC} course analysis)
set(ALLOWED_pages ${LOWER_LOGIC})
set(ALLOWED_forms platform files)
set(ALLOWED_forms/art platform)
set(ALLOWED_files/sounds platform files)
set(ALLOWED_tools/coursetool platform files keyboard)

# The widgets libraries: the base of all pages, then each subsystem's own.
set(UI_BASE platform files forms shell users keyboard)
set(ALLOWED_shell platform files forms users)
set(ALLOWED_keyboard/ui ${UI_BASE})
set(ALLOWED_users/ui ${UI_BASE})
set(ALLOWED_analysis/results ${UI_BASE} analysis)
set(ALLOWED_engine/ui ${UI_BASE} analysis engine keyboard/ui)
set(ALLOWED_games/ui ${UI_BASE} analysis engine engine/ui keyboard/ui games)
set(ALLOWED_revision/ui ${UI_BASE} analysis engine engine/ui keyboard/ui games games/ui course
    users/ui revision)
set(ALLOWED_course/ui ${UI_BASE} analysis engine engine/ui keyboard/ui games games/ui revision
    revision/ui course)
set(ALLOWED_guided/ui ${UI_BASE} analysis engine engine/ui keyboard/ui analysis/results course
    course/ui users/ui guided)
set(ALLOWED_pages/ui ${UI_BASE} keyboard/ui pages)

# The application and the entry point sit on top and may use everything.
set(TOP_FOLDERS app .)

set(LOGIC_FOLDERS platform files keyboard users analysis engine course games revision guided
    pages tools/coursetool)
set(WIDGET_HEADERS QApplication QWidget QLabel QComboBox QPushButton QMessageBox QLineEdit
    QCheckBox QRadioButton QListWidget QScrollArea QFrame QDialog QMainWindow QtWidgets)

file(GLOB_RECURSE SOURCES RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(FAULTS 0)
foreach(SOURCE IN LISTS SOURCES)
  if(SOURCE MATCHES "^(build|tests|bench|fuzz)/" OR SOURCE MATCHES "^build")
    continue()
  endif()
  get_filename_component(FOLDER ${SOURCE} DIRECTORY)
  if(FOLDER STREQUAL "")
    set(FOLDER .)
  endif()
  list(FIND TOP_FOLDERS "${FOLDER}" TOP)
  if(NOT TOP EQUAL -1)
    continue()
  endif()
  if(NOT DEFINED ALLOWED_${FOLDER})
    message(SEND_ERROR "${SOURCE}: the folder ${FOLDER} has no place in the layers yet")
    math(EXPR FAULTS "${FAULTS} + 1")
    continue()
  endif()
  set(ALLOWED ${FOLDER} ${ALLOWED_${FOLDER}})
  file(STRINGS ${SOURCE_DIR}/${SOURCE} LINES REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(LINE IN LISTS LINES)
    if(LINE MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      get_filename_component(INCLUDED ${CMAKE_MATCH_1} DIRECTORY)
      list(FIND ALLOWED "${INCLUDED}" FOUND)
      if(FOUND EQUAL -1)
        message(SEND_ERROR "${SOURCE}: ${FOLDER} may not use ${INCLUDED} (${CMAKE_MATCH_1})")
        math(EXPR FAULTS "${FAULTS} + 1")
      endif()
    elseif(LINE MATCHES "#[ \t]*include[ \t]*<([A-Za-z]+)>")
      list(FIND LOGIC_FOLDERS "${FOLDER}" LOGIC)
      list(FIND WIDGET_HEADERS "${CMAKE_MATCH_1}" WIDGET)
      if(NOT LOGIC EQUAL -1 AND NOT FOLDER STREQUAL "platform" AND NOT WIDGET EQUAL -1)
        message(SEND_ERROR "${SOURCE}: ${FOLDER} has no widgets, yet includes <${CMAKE_MATCH_1}>")
        math(EXPR FAULTS "${FAULTS} + 1")
      endif()
    endif()
  endforeach()
endforeach()
list(LENGTH SOURCES COUNT)
if(FAULTS GREATER 0)
  message(FATAL_ERROR "${FAULTS} include(s) break the layers")
endif()
message(STATUS "${COUNT} files keep to the layers")
