list(APPEND ORVEL_CORE_TESTS
    tests/editing/address_dialogs_test.cpp
    tests/editing/bitwise_kernels_test.cpp
    tests/editing/block_kernels_test.cpp
    tests/editing/clipboard_codec_test.cpp
    tests/editing/clipboard_text_test.cpp
    tests/editing/field_checks_test.cpp
    tests/editing/kernels_differential_test.cpp
    tests/editing/find_pattern_test.cpp
    tests/editing/number_text_test.cpp
    tests/editing/validators_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/editing/edit_commands_gui_test.cpp
    tests/editing/find_bytes_gui_test.cpp
    tests/editing/hex_edit_gui_test.cpp
    tests/editing/radio_group_gui_test.cpp
)
