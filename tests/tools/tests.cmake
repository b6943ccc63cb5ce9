list(APPEND ORVEL_CORE_TESTS
    tests/tools/ascii_table_test.cpp
    tests/tools/notation_test.cpp
)
