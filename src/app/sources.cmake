list(APPEND ORVEL_CORE_SOURCES
    src/app/menu_tables.cpp
    src/app/recent_file_list.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/app/child_frame.cpp
    src/app/main_frame.cpp
    src/app/orvel_app.cpp
    src/app/user_prompts.cpp
    src/app/view_command_handlers.cpp
)
