# Warnings are errors in every build of the project's own code.
function(quellon_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
    -Wno-missing-field-initializers -Wno-cast-function-type)
endfunction()
