// Shared helpers of the benchmark programs live here.
