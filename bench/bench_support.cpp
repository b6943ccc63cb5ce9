// Helpers shared by the benchmark programs.
