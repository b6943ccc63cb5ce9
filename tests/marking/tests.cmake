list(APPEND ORVEL_CORE_TESTS
    tests/marking/mark_dialogs_test.cpp
    tests/marking/mark_patterns_test.cpp
    tests/marking/mark_value_test.cpp
    tests/marking/mark_range_test.cpp
    tests/marking/run_batcher_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/marking/mark_commands_gui_test.cpp
    tests/marking/mark_dialogs_gui_test.cpp
)
