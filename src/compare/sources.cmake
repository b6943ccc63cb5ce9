list(APPEND ORVEL_CORE_SOURCES
    src/compare/compare_document.cpp
    src/compare/compare_engine.cpp
    src/compare/input_compare.cpp
    src/compare/diff_navigation.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/compare_verb.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/compare/barred_splitter_wnd.cpp
    src/compare/compare_files_child_frame.cpp
    src/compare/compare_files_doc.cpp
    src/compare/compare_tool_icons.cpp
    src/compare/compare_worker.cpp
    src/compare/compared_file_view.cpp
)
