list(APPEND ORVEL_CORE_SOURCES
    src/compare/anchor_search.cpp
    src/compare/byte_aligner.cpp
    src/compare/compare_command_table.cpp
    src/compare/compare_document.cpp
    src/compare/compare_engine.cpp
    src/compare/diff_buckets.cpp
    src/compare/diff_list.cpp
    src/compare/input_compare.cpp
    src/compare/diff_navigation.cpp
    src/compare/edit_joiner.cpp
    src/compare/file_block_reader.cpp
    src/compare/gap_aligner.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/compare_aligned_verb.cpp
    src/cli/compare_verb.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/compare/barred_splitter_wnd.cpp
    src/compare/compare_command_handlers.cpp
    src/compare/compare_diffs.cpp
    src/compare/compare_files_child_frame.cpp
    src/compare/compare_files_doc.cpp
    src/compare/compare_tool_icons.cpp
    src/compare/compare_worker.cpp
    src/compare/compared_file_view.cpp
    src/compare/diff_list_model.cpp
    src/compare/diff_overview.cpp
    src/compare/diff_panel.cpp
    src/compare/pane_sync.cpp
)
