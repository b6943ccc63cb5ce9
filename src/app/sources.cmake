list(APPEND ORVEL_CORE_SOURCES
    src/app/cascade_layout.cpp
    src/app/command_catalog.cpp
    src/app/menu_tables.cpp
    src/app/open_request.cpp
    src/app/recent_file_list.cpp
    src/app/shell_command_table.cpp
    src/app/toolbar_tables.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/app/about_dialog.cpp
    src/app/app_icons.cpp
    src/app/child_frame.cpp
    src/app/command_line.cpp
    src/app/command_actions.cpp
    src/app/help_window.cpp
    src/app/main_frame.cpp
    src/app/orvel_app.cpp
    src/app/qt_user_prompts.cpp
    src/app/recent_file_store.cpp
    src/app/shell_command_handlers.cpp
    src/app/status_readouts.cpp
)
