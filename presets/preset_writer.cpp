// Preset writer (in progress).
