# Turns a module definition (.def) into what the host linker understands:
#   VERSION_SCRIPT  a version script exporting the EXPORTS names, the host's
#                   entry point DllMain, and nothing else;
#   ALIAS_FILE      top-level assembler statements giving each "Name = Body"
#                   export its name on Body (included where Body is defined).
# Usage: cmake -DDEF_FILE=... -DVERSION_SCRIPT=... -DALIAS_FILE=... -P ModuleDefinition.cmake
foreach(variable DEF_FILE VERSION_SCRIPT ALIAS_FILE)
  if(NOT ${variable})
    message(FATAL_ERROR "ModuleDefinition.cmake: ${variable} is not set")
  endif()
endforeach()

file(STRINGS "${DEF_FILE}" def_lines)
set(section "")
set(line_number 0)
set(exports "")
set(aliases "")
foreach(line IN LISTS def_lines)
  math(EXPR line_number "${line_number} + 1")
  string(REGEX REPLACE ";.*$" "" line "${line}")
  string(STRIP "${line}" line)
  if(line STREQUAL "")
    continue()
  endif()
  if(line MATCHES "^(LIBRARY|NAME|DESCRIPTION|VERSION)([ \t]|$)")
    set(section "")
  elseif(line STREQUAL "EXPORTS")
    set(section "EXPORTS")
  elseif(section STREQUAL "EXPORTS" AND line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)[ \t]*=[ \t]*([A-Za-z_][A-Za-z0-9_]*)$")
    list(APPEND exports "${CMAKE_MATCH_1}")
    string(APPEND aliases
      "asm(\".globl ${CMAKE_MATCH_1}\\n\\t.type ${CMAKE_MATCH_1}, @function\\n\\t.set ${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}\");\n")
  elseif(section STREQUAL "EXPORTS" AND line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)$")
    list(APPEND exports "${CMAKE_MATCH_1}")
  else()
    message(FATAL_ERROR "${DEF_FILE}:${line_number}: cannot read \"${line}\"")
  endif()
endforeach()
if(NOT exports)
  message(FATAL_ERROR "${DEF_FILE}: no EXPORTS")
endif()

set(script "{\n  global:\n    DllMain;\n")
foreach(name IN LISTS exports)
  string(APPEND script "    ${name};\n")
endforeach()
string(APPEND script "  local:\n    *;\n};\n")

# Written only when changed, so that an unchanged .def relinks nothing.
file(CONFIGURE OUTPUT "${VERSION_SCRIPT}" CONTENT "${script}" @ONLY)
file(CONFIGURE OUTPUT "${ALIAS_FILE}" CONTENT "// Generated from ${DEF_FILE}.\n${aliases}" @ONLY)
