# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ source or header of the project lacks its licence line
# (an SPDX identifier within its first three lines).
file(GLOB_RECURSE sources RELATIVE "${ROOT}"
     "${ROOT}/*.cpp" "${ROOT}/*.h" "${ROOT}/*.h.in" "${ROOT}/*CMakeLists.txt" "${ROOT}/*.cmake")
set(missing "")
set(count 0)
foreach(f IN LISTS sources)
  if(f MATCHES "^(build|\\.git|[^/]*/_deps)" OR f MATCHES "^build[^/]*/")
    continue()
  endif()
  math(EXPR count "${count} + 1")
  file(STRINGS "${ROOT}/${f}" head LIMIT_COUNT 3)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3.0-or-later")
    list(APPEND missing "${f}")
  endif()
endforeach()
if(missing)
  string(REPLACE ";" "\n" missing "${missing}")
  message(FATAL_ERROR "No licence line in:\n${missing}")
endif()
message(STATUS "${count} files checked, each carries its licence line")
