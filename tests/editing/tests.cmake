list(APPEND ORVEL_CORE_TESTS
    tests/editing/validators_test.cpp
)
