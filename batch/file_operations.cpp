// File operations of the batch executor (in progress).
