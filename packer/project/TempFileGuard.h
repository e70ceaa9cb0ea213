// The temporary files being written, known to the signal handlers so that an
// interrupted program does not leave them behind.
#pragma once

#include <string>

namespace lumafold {

// For a program's start: SIGINT, SIGTERM and SIGHUP remove the temporary files
// being written, then end the program as the signal says (one that was
// ignored stays ignored); SIGXFSZ is ignored, so that a file size limit fails
// the write (EFBIG) with a message instead of killing the program.
void GuardTempFilesAgainstSignals();

// Makes path known to the handlers; the slot to forget it by, -1 when every
// slot is taken (the file is then removed only by the next run).
int RememberTempFile(const std::string& path);
void ForgetTempFile(int slot);

} // namespace lumafold
