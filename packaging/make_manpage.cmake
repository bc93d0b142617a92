# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the manual page of velmora from the tool's own --help texts (the
# overview and every command's), so that the page cannot drift from the tool.
#   cmake -DVELMORA=... -DHELP2MAN=... -DVERSION=... -DOUT=velmora.1 -P make_manpage.cmake

function(help_of out)
  execute_process(COMMAND "${VELMORA}" ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE rc ERROR_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "velmora ${ARGN} --help failed (${rc})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The command names: the first word of each line under "Subcommands:".
help_of(overview)
string(REGEX REPLACE ".*\nSubcommands:\n" "" listing "${overview}")
string(REGEX MATCHALL "(^|\n)  [a-z]+" names "${listing}")

set(include "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  help_of(text ${name})
  # Plain text for roff: backslashes escaped, dashes as minus signs (options
  # copied from the page must work), no line taken for a request.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(APPEND include ".SS ${name}\n.nf\n${text}.fi\n")
endforeach()
string(APPEND include "[SEE ALSO]\n.BR velmoraedit (1)\n")
file(WRITE "${OUT}.include" "${include}")

execute_process(
  COMMAND "${HELP2MAN}" --no-info --no-discard-stderr "--version-string=${VERSION}"
          "--name=inspect, check, repair and generate Velmora channel files"
          "--include=${OUT}.include" "--output=${OUT}" "${VELMORA}"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "help2man failed (${rc})")
endif()
