list(APPEND ORVEL_CORE_TESTS
    tests/cli/cli_files_test.cpp
    tests/cli/cli_large_files_test.cpp
    tests/cli/compare_aligned_cli_test.cpp
    tests/cli/compare_cli_test.cpp
    tests/cli/dump_hexdump_crosscheck_test.cpp
    tests/cli/find_cli_test.cpp
)
