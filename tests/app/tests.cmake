list(APPEND ORVEL_CORE_TESTS
    tests/app/cascade_layout_test.cpp
    tests/app/command_tables_test.cpp
    tests/app/open_request_test.cpp
    tests/app/recent_file_list_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/app/application_icon_gui_test.cpp
    tests/app/open_files_gui_test.cpp
    tests/app/file_dialogs_gui_test.cpp
    tests/app/exit_gui_test.cpp
    tests/app/main_frame_test.cpp
    tests/app/main_window_test.cpp
    tests/app/status_readouts_gui_test.cpp
    tests/app/toolbar_icons_gui_test.cpp
    tests/app/window_menu_gui_test.cpp
    tests/app/window_titles_gui_test.cpp
)
