list(APPEND ORVEL_CORE_SOURCES
    src/search/find_search.cpp
    src/search/hit_context.cpp
    src/search/hit_iterator.cpp
    src/search/hit_scan.cpp
    src/search/input_search.cpp
    src/search/replace_all.cpp
    src/search/search_command_table.cpp
    src/search/search_history.cpp
    src/search/search_kernels.cpp
    src/search/search_pattern.cpp
    src/search/search_query.cpp
    src/search/search_step.cpp
    src/search/searcher.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/search/hit_list_model.cpp
    src/search/search_command_handlers.cpp
    src/search/search_commands.cpp
    src/search/search_panel.cpp
)
