// Shared helpers of the benchmark programs.
