list(APPEND ORVEL_CORE_SOURCES
    src/compare/compare_document.cpp
    src/compare/compare_engine.cpp
    src/compare/diff_navigation.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/compare_verb.cpp
)
