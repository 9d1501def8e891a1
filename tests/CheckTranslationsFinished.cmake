# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles each translation file as the build does and fails unless lrelease
# finds every text finished: a text left unfinished would show in English
# among the translated ones. The files hold no vanished or obsolete texts
# either (update_translations drops them).
if(NOT FILES)
  message(FATAL_ERROR "no translation files")
endif()
foreach(ts IN LISTS FILES)
  get_filename_component(name "${ts}" NAME_WE)
  execute_process(
    COMMAND "${LRELEASE}" "${ts}" -qm "${WORK}/${name}.qm"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lrelease failed on ${ts} (${status}): ${errors}")
  endif()
  string(REGEX MATCH "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and ([0-9]+) unfinished\\)"
         counts "${output}")
  if(NOT counts)
    message(FATAL_ERROR "lrelease did not count the texts of ${ts}:\n${output}")
  endif()
  set(total ${CMAKE_MATCH_1})
  set(unfinished ${CMAKE_MATCH_3})
  if(NOT unfinished EQUAL 0 OR output MATCHES "Ignored [0-9]+ untranslated")
    message(FATAL_ERROR "${ts}: ${unfinished} unfinished texts\n${output}")
  endif()
  file(READ "${ts}" contents)
  if(contents MATCHES "type=\"(vanished|obsolete|unfinished)\"")
    message(FATAL_ERROR "${ts} holds a text of type ${CMAKE_MATCH_1}")
  endif()
  message(STATUS "${name}: ${total} texts, all finished")
endforeach()
