list(APPEND ORVEL_CORE_TESTS
    tests/jobs/job_progress_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/jobs/background_job_test.cpp
    tests/jobs/job_channel_test.cpp
)
