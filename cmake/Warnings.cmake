# The warning set every target of ours compiles with, on GCC and MSVC alike.
function(qiv_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wimplicit-fallthrough)
  endif()
endfunction()
