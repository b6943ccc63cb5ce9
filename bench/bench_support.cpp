// Shared benchmark helpers live here; this placeholder keeps the build whole.
