# The fuzz targets' corpora replayed as tests of the main build (ReplayCorpus.cpp stands in for
# libFuzzer); scripts/fuzz builds the targets themselves with clang and fuzzes.
add_executable(fuzz-replay-number-text ${CMAKE_CURRENT_LIST_DIR}/FuzzNumberText.cpp
                                       ${CMAKE_CURRENT_LIST_DIR}/ReplayCorpus.cpp)
target_link_libraries(fuzz-replay-number-text PRIVATE pathsum_core)

add_executable(fuzz-replay-run-settings ${CMAKE_CURRENT_LIST_DIR}/FuzzRunSettings.cpp
                                        ${CMAKE_CURRENT_LIST_DIR}/ReplayCorpus.cpp)
target_link_libraries(fuzz-replay-run-settings PRIVATE pathsum_display pathsum_core)

add_executable(fuzz-replay-setup-file ${CMAKE_CURRENT_LIST_DIR}/FuzzSetupFile.cpp
                                      ${CMAKE_CURRENT_LIST_DIR}/ReplayCorpus.cpp)
target_link_libraries(fuzz-replay-setup-file PRIVATE pathsum_ui)

foreach(target number-text run-settings setup-file)
  string(REPLACE "-" "_" corpus ${target})
  add_test(NAME fuzz.replays_the_${corpus}_corpus
           COMMAND fuzz-replay-${target} ${CMAKE_CURRENT_LIST_DIR}/corpus/fuzz_${corpus})
  set_tests_properties(fuzz.replays_the_${corpus}_corpus PROPERTIES LABELS fuzz TIMEOUT 120)
endforeach()
