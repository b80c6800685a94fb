// Command-line batch mode (in progress).
