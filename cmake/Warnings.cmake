# The warning set every target of ours compiles with, on GCC and MSVC alike.
# CI builds turn every warning into an error (.ci/run sets QIV_WERROR for scripts/build).
option(QIV_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(qiv_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${QIV_WARNINGS_AS_ERRORS}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wimplicit-fallthrough
                           $<$<BOOL:${QIV_WARNINGS_AS_ERRORS}>:-Werror>)
  endif()
endfunction()
