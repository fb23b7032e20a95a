# Fails when a C++ file of the project differs from what clang-format makes of it (.clang-format).
# Run as: cmake -DROOT=<source dir> -DCLANG_FORMAT=<program> -P check_format.cmake
set(sources "")
foreach(folder engine game app tools tests bench fuzz packaging)
    file(GLOB_RECURSE found "${ROOT}/${folder}/*.cpp" "${ROOT}/${folder}/*.h")
    list(APPEND sources ${found})
endforeach()
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${sources}
                WORKING_DIRECTORY "${ROOT}" RESULT_VARIABLE result ERROR_VARIABLE report)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Not formatted as .clang-format says (run clang-format -i):\n${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files formatted as .clang-format says")
