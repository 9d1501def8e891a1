# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an outside library's header is included anywhere but in the one
# module that stands for it, so that the library can be swapped or faked there.
file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/*.cpp" "${ROOT}/*.h")
set(offenders "")
foreach(f IN LISTS sources)
  if(f MATCHES "^(build|\\.git|[^/]*/_deps)" OR f MATCHES "^build[^/]*/" OR f STREQUAL "core/ephemeris/PreciseMoon.cpp")
    continue()
  endif()
  file(STRINGS "${ROOT}/${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](swephexp|sweodef|swephlib|sweph)\\.h")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" offenders "${offenders}")
  message(FATAL_ERROR "Swiss Ephemeris included outside core/ephemeris/PreciseMoon.cpp:\n${offenders}")
endif()
message(STATUS "Swiss Ephemeris is included by core/ephemeris/PreciseMoon.cpp alone")
