# Prints Doxygen's warnings (each once) and how many there are, the
# undocumented public API counted apart, and where the reference is.
file(STRINGS ${LOG} lines REGEX "warning:")
list(REMOVE_DUPLICATES lines)
list(LENGTH lines total)
set(undocumented 0)
foreach(line IN LISTS lines)
  message("${line}")
  if(line MATCHES "is not documented")
    math(EXPR undocumented "${undocumented} + 1")
  endif()
endforeach()
message(STATUS "API reference: ${total} Doxygen warnings, ${undocumented} of them undocumented public API")
message(STATUS "API reference written to ${INDEX}")
