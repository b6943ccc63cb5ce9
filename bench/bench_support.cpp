// Shared benchmark helpers live here; this file is a placeholder until they land.
