# The helpers the tests share (see tests/support/*.h).
list(APPEND ORVEL_CORE_TESTS
    tests/support/child_process.cpp
    tests/support/shell_run.cpp
    tests/support/special_files.cpp
    tests/support/temp_dir.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/support/child_process.cpp
    tests/support/gui_fixture.cpp
    tests/support/gui_test_main.cpp
    tests/support/shell_run.cpp
    tests/support/special_files.cpp
    tests/support/temp_dir.cpp
    tests/support/view_image.cpp
)
