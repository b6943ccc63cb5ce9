list(APPEND ORVEL_CORE_SOURCES
    src/editing/validators.cpp
)
