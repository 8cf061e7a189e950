# Fails when a source folder includes from a folder it may not use: each
# folder includes only from itself and the folders listed after it, so no
# two folders ever include each other.
set(layers
    "common/core|common/core"
    "common/ui|common/ui common/core"
    "lyt/core|lyt/core common/core"
    "lyt/export|lyt/export lyt/core common/core"
    "lyt/print/core|lyt/print/core lyt/core common/core"
    "lyt/editor|lyt/editor lyt/export lyt/print/core lyt/core common/core"
    "lyt/print|lyt/print lyt/print/core lyt/core common/ui common/core"
    "lyt/ui|lyt/ui lyt/print lyt/editor lyt/export lyt/print/core lyt/core common/ui common/core"
    "skt/core|skt/core common/core"
    "skt/print/core|skt/print/core skt/core common/core"
    "skt/editor|skt/editor skt/print/core skt/core common/core"
    "skt/print|skt/print skt/print/core skt/core common/ui common/core"
    "skt/ui|skt/ui skt/print skt/editor skt/print/core skt/core common/ui common/core"
    "bench|bench support lyt/ui lyt/print lyt/editor lyt/export lyt/print/core lyt/core common/ui common/core")
set(offenders "")
foreach(layer ${layers})
  string(REPLACE "|" ";" parts "${layer}")
  list(GET parts 0 folder)
  list(GET parts 1 allowed)
  string(REPLACE " " ";" allowed "${allowed}")
  file(GLOB sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(f ${sources})
    file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)/[^/\"]*\".*$" "\\1" included "${line}")
      list(FIND allowed "${included}" at)
      if(at EQUAL -1)
        list(APPEND offenders "${f}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" text "${offenders}")
  message(FATAL_ERROR "Includes against the folder layers:\n${text}")
endif()
message(STATUS "Folder layers kept")
