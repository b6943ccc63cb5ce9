list(APPEND ORVEL_CORE_TESTS
    tests/jobs/job_progress_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/jobs/job_channel_test.cpp
)
