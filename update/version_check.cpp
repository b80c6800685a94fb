// Version check (in progress).
