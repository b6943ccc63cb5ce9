list(APPEND ORVEL_CORE_SOURCES
    src/editing/find_pattern.cpp
    src/editing/find_search.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/find_verb.cpp
)
