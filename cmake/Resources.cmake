# handheld_embed_resources(target rc_file [INCLUDE_DIRECTORIES dir...] [DEPENDS file...])
#
# Compiles a resource script with the real resource compiler (LLVM_RC) into a
# standard .res file and places the .res image in the target's ".rsrc"
# section, where the platform's resource loader finds it.
#
# The script goes through the C preprocessor first (with RC_INVOKED defined,
# as the device SDK's compiler does), so #include "resource.h", #define and
# #ifdef behave the same whatever the resource compiler's own preprocessing
# can do, and the preprocessor's dependency file makes the .res rebuild when
# an included header changes. The platform headers are on the include path:
# <windows.h> gives a script the style constants only.
#
# Files named in the script (icons, bitmaps) are found next to the script or
# in the include directories; the ones the script names in quotes ending in
# .ico, .bmp, .cur or .bin are dependencies, and DEPENDS adds more (for
# example an icon generated in the build tree).
function(handheld_embed_resources target rc_file)
  cmake_parse_arguments(PARSE_ARGV 2 embed "" "" "INCLUDE_DIRECTORIES;DEPENDS")
  if(NOT TARGET ${target})
    message(FATAL_ERROR "handheld_embed_resources: ${target} is not a target")
  endif()
  get_filename_component(script "${rc_file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  if(NOT EXISTS "${script}")
    message(FATAL_ERROR "handheld_embed_resources: resource script ${script} does not exist")
  endif()
  get_filename_component(script_dir "${script}" DIRECTORY)
  get_filename_component(script_name "${script}" NAME_WE)

  set(work_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources")
  set(preprocessed "${work_dir}/${script_name}.rc.i")
  set(res_file "${work_dir}/${script_name}.res")
  set(dep_file "${work_dir}/${script_name}.res.d")
  file(MAKE_DIRECTORY "${work_dir}")

  set(include_dirs "${script_dir}" ${embed_INCLUDE_DIRECTORIES} "${PROJECT_SOURCE_DIR}/platform/include")
  set(preprocessor_includes "")
  set(compiler_includes "")
  foreach(dir ${include_dirs})
    get_filename_component(dir "${dir}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND preprocessor_includes "-I${dir}")
    list(APPEND compiler_includes /I "${dir}")
  endforeach()

  # Files the script names directly; the preprocessor does not see them.
  # Editing the script reconfigures, so a newly named file is picked up.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${script}")
  set(named_files "")
  file(STRINGS "${script}" lines_with_files REGEX "\"[^\"]+\\.(ico|bmp|cur|bin)\"")
  foreach(line ${lines_with_files})
    string(REGEX MATCH "\"([^\"]+\\.(ico|bmp|cur|bin))\"" quoted "${line}")
    set(name "${CMAKE_MATCH_1}")
    foreach(dir ${include_dirs})
      get_filename_component(candidate "${name}" ABSOLUTE BASE_DIR "${dir}")
      if(EXISTS "${candidate}")
        list(APPEND named_files "${candidate}")
        break()
      endif()
    endforeach()
  endforeach()

  add_custom_command(
    OUTPUT "${res_file}"
    COMMAND ${CMAKE_C_COMPILER} -E -P -x c -DRC_INVOKED ${preprocessor_includes}
            -MD -MF "${dep_file}" -MT "${res_file}" "${script}" -o "${preprocessed}"
    # "--" ends the options: on this host an absolute input path such as
    # /check/... would otherwise read as the /C (code page) option.
    COMMAND ${LLVM_RC} /no-preprocess ${compiler_includes} /fo "${res_file}" -- "${preprocessed}"
    DEPENDS "${script}" ${named_files} ${embed_DEPENDS}
    DEPFILE "${dep_file}"
    WORKING_DIRECTORY "${work_dir}"
    COMMENT "Compiling resources ${script_name}.rc for ${target}"
    VERBATIM)
  add_custom_target(${target}_resources DEPENDS "${res_file}")
  add_dependencies(${target} ${target}_resources)

  # A changed .res relinks the target, and every link gets the section again.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${res_file}")
  set_property(TARGET ${target} PROPERTY HANDHELD_RESOURCE_FILE "${res_file}")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${OBJCOPY} --remove-section .rsrc
            --add-section ".rsrc=${res_file}" --set-section-flags .rsrc=contents,readonly
            "$<TARGET_FILE:${target}>"
    COMMENT "Placing ${script_name}.res in the .rsrc section of ${target}"
    VERBATIM)
endfunction()
