# The print script interpreter under libFuzzer.
add_executable(fuzz_print_script ${CMAKE_CURRENT_LIST_DIR}/fuzz_print_script.cpp)
target_link_libraries(fuzz_print_script PRIVATE kl_print)
target_link_options(fuzz_print_script PRIVATE -fsanitize=fuzzer)
