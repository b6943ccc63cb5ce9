list(APPEND ORVEL_CORE_SOURCES
    src/ui/command_registry.cpp
    src/ui/file_filter.cpp
    src/ui/menu_entry.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/ui/close_guard.cpp
    src/ui/user_prompts.cpp
    src/ui/window_title.cpp
)
