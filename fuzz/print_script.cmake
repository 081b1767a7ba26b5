# The print script interpreter under libFuzzer. Run it on its seeds with
#   LSAN_OPTIONS=suppressions=fuzz/lsan.supp \
#     build-fuzz/fuzz/fuzz_print_script CORPUS_DIR fuzz/corpus/print_script -max_total_time=300
# (the suppressions leave out the font library's caches, which live as long as the process).
add_executable(fuzz_print_script ${CMAKE_CURRENT_LIST_DIR}/fuzz_print_script.cpp)
target_link_libraries(fuzz_print_script PRIVATE kl_print)
target_link_options(fuzz_print_script PRIVATE -fsanitize=fuzzer)
