list(APPEND ORVEL_CORE_TESTS
    tests/tools/ascii_table_test.cpp
    tests/tools/notation_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/tools/reference_windows_test.cpp
)
