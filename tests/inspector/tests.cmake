list(APPEND ORVEL_CORE_TESTS
    tests/inspector/caret_place_test.cpp
    tests/inspector/caret_readouts_test.cpp
    tests/inspector/data_inspector_test.cpp
    tests/inspector/unix_time_test.cpp
    tests/inspector/utf8_char_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/inspector/data_inspector_gui_test.cpp
)
