# Fails when a C++ source of the project differs from what clang-format makes of it
# (the style is the repository's .clang-format). Run by ctest as source_format.
set(files)
foreach(dir app batch bench cli engine i18n metadata packaging presets tests ui update)
  file(GLOB_RECURSE found LIST_DIRECTORIES false "${SOURCE_DIR}/${dir}/*.cpp" "${SOURCE_DIR}/${dir}/*.h")
  list(APPEND files ${found})
endforeach()
list(SORT files)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Not formatted as .clang-format says (run: clang-format -i FILE):\n${errors}")
endif()
list(LENGTH files count)
message(STATUS "${count} files follow .clang-format")
