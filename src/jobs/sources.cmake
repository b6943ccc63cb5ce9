list(APPEND ORVEL_CORE_SOURCES
    src/jobs/job_progress.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/jobs/background_job.cpp
    src/jobs/job_channel.cpp
    src/jobs/job_wait.cpp
    src/jobs/status_bar_jobs.cpp
)
