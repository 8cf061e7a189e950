# Fails when a file under a core/, export/ or editor/ folder includes a Qt header.
file(GLOB_RECURSE candidates
     ${ROOT}/*/core/*.h ${ROOT}/*/core/*.cpp
     ${ROOT}/*/export/*.h ${ROOT}/*/export/*.cpp
     ${ROOT}/*/editor/*.h ${ROOT}/*/editor/*.cpp
     ${ROOT}/*/print/core/*.h ${ROOT}/*/print/core/*.cpp)
set(offenders "")
foreach(f ${candidates})
  if(f MATCHES "/(build[^/]*|tests)/")
    continue()
  endif()
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" text "${offenders}")
  message(FATAL_ERROR "Qt headers included in core code:\n${text}")
endif()
list(LENGTH candidates n)
message(STATUS "${n} core files checked, none includes Qt")
