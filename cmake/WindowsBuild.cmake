# What the windows preset builds: CELLORA.OCX on the platform's own interfaces,
# and the programs that prove it under Wine. No Qt and no GoogleTest here.
enable_testing()
add_subdirectory(lifectl/win)
add_subdirectory(tests/windows)
