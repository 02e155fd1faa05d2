# handheld_embed_resources(target rc_file) compiles a resource script with
# the real resource compiler and places the .res image in the target's
# ".rsrc" section, where the platform's resource loader finds it.
function(handheld_embed_resources target rc_file)
  message(FATAL_ERROR "handheld_embed_resources: not written yet")
endfunction()
