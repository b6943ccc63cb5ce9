list(APPEND ORVEL_CORE_SOURCES
    src/view/dump_export.cpp
    src/view/dump_layout.cpp
    src/view/dump_text.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/dump_verb.cpp
    src/cli/export_verb.cpp
)
