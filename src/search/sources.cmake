list(APPEND ORVEL_CORE_SOURCES
    src/search/find_search.cpp
    src/search/hit_iterator.cpp
    src/search/input_search.cpp
    src/search/search_kernels.cpp
    src/search/search_pattern.cpp
    src/search/searcher.cpp
)
