cmake_minimum_required(VERSION 3.25)
# The layers of the program: which folder may use which. This table is their
# one statement; the include lines of every program source and the link lines
# of every folder's CMakeLists.txt are checked against it:
#   cmake -DSOURCE_DIR=<source root> -P CheckLayers.cmake
# A folder is a library; it may include its own headers and those of the
# folders listed for it, and link the libraries built in those folders. A
# widgets folder (<subsystem>/ui, and analysis/results) lists its subsystem's
# logic library and what that one may use. Folders that are not listed
# (tests, bench, fuzz) are not checked. Logic folders may not include Qt
# Widgets headers at all.

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

# The folder of the layers' table that a file lies in ("." for the source
# root), or "" for a folder on top, which is not checked.
function(layer_folder FILE_PATH OUT)
  get_filename_component(FOLDER ${FILE_PATH} DIRECTORY)
  if(FOLDER STREQUAL "")
    set(FOLDER .)
  endif()
  list(FIND TOP_FOLDERS "${FOLDER}" TOP)
  if(NOT TOP EQUAL -1)
    set(FOLDER "")
  endif()
  set(${OUT} "${FOLDER}" PARENT_SCOPE)
endfunction()

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
  layer_folder(${SOURCE} FOLDER)
  if(FOLDER STREQUAL "")
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

# The link lines: first the folder that builds each library and executable,
# then every library a folder's targets link, which must be built in a folder
# that folder may use.
file(GLOB_RECURSE LIST_FILES RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/CMakeLists.txt)
list(FILTER LIST_FILES EXCLUDE REGEX "^(build|tests/|bench/|fuzz/)")
foreach(LIST_FILE IN LISTS LIST_FILES)
  get_filename_component(FOLDER ${LIST_FILE} DIRECTORY)
  file(READ ${SOURCE_DIR}/${LIST_FILE} TEXT)
  string(REGEX MATCHALL "add_(library|executable)\\([ \t\r\n]*clavora_[A-Za-z0-9_]+" MADE "${TEXT}")
  foreach(TARGET IN LISTS MADE)
    string(REGEX REPLACE "^add_(library|executable)\\([ \t\r\n]*" "" TARGET "${TARGET}")
    set(FOLDER_OF_${TARGET} ${FOLDER})
  endforeach()
endforeach()
foreach(LIST_FILE IN LISTS LIST_FILES)
  layer_folder(${LIST_FILE} FOLDER)
  if(FOLDER STREQUAL "")
    continue()
  endif()
  set(ALLOWED ${FOLDER} ${ALLOWED_${FOLDER}})
  file(READ ${SOURCE_DIR}/${LIST_FILE} TEXT)
  string(REGEX MATCHALL "target_link_libraries\\([^)]*\\)" LINKS "${TEXT}")
  foreach(LINK IN LISTS LINKS)
    string(REGEX MATCHALL "clavora_[A-Za-z0-9_]+" NAMES "${LINK}")
    list(POP_FRONT NAMES TARGET)
    if(NOT DEFINED ALLOWED_${FOLDER} AND NAMES)
      message(SEND_ERROR "${LIST_FILE}: the folder ${FOLDER} has no place in the layers yet")
      math(EXPR FAULTS "${FAULTS} + 1")
      continue()
    endif()
    foreach(NAME IN LISTS NAMES)
      if(NOT DEFINED FOLDER_OF_${NAME})
        message(SEND_ERROR "${LIST_FILE}: ${TARGET} links ${NAME}, which no folder builds")
        math(EXPR FAULTS "${FAULTS} + 1")
        continue()
      endif()
      list(FIND ALLOWED "${FOLDER_OF_${NAME}}" FOUND)
      if(FOUND EQUAL -1)
        message(SEND_ERROR
          "${LIST_FILE}: ${FOLDER} may not use ${FOLDER_OF_${NAME}} (${TARGET} links ${NAME})")
        math(EXPR FAULTS "${FAULTS} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

list(LENGTH SOURCES COUNT)
list(LENGTH LIST_FILES LIST_COUNT)
if(FAULTS GREATER 0)
  message(FATAL_ERROR "${FAULTS} include(s) or link(s) break the layers")
endif()
message(STATUS "${COUNT} files and ${LIST_COUNT} link lists keep to the layers")
