# Turns a text file of one entry per line into a C++ source holding
# `const char* const <symbol>[]` and `const int <symbol>Count`, so data files
# are compiled into the binaries and need nothing at run time.
function(zorvek_embed_lines input output symbol namespace)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
  set(lines "")
  if(EXISTS ${input})
    file(STRINGS ${input} lines)
  endif()
  set(body "")
  set(count 0)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    string(APPEND body "  \"${line}\",\n")
    math(EXPR count "${count} + 1")
  endforeach()
  if(count EQUAL 0)
    set(body "  nullptr,\n")
  endif()
  file(WRITE ${output}.tmp
    "// Generated from ${input}; do not edit.\n"
    "namespace ${namespace} {\n"
    "extern const char* const ${symbol}[];\n"
    "extern const int ${symbol}Count;\n"
    "const char* const ${symbol}[] = {\n${body}};\n"
    "const int ${symbol}Count = ${count};\n"
    "}\n")
  file(COPY_FILE ${output}.tmp ${output} ONLY_IF_DIFFERENT)
endfunction()
