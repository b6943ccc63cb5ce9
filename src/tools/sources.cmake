list(APPEND ORVEL_CORE_SOURCES
    src/tools/ascii_table.cpp
    src/tools/notation.cpp
)
