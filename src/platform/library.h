// Dynamic libraries: load by bare name with the system's usual search, look up a
// symbol, release. Failures are recorded so that LastError() can report them the way
// the system does: a numeric code and the system's text for it.
#pragma once

#include <string>

namespace qm::platform {

using LibraryHandle = void*;

// Loads the library `bareName` (no directory) as the OS's loader would find it
// (on Linux: RTLD_NOW | RTLD_LOCAL, so a library already in the process is shared).
// Returns null on failure; LastErrorCode() then tells why.
LibraryHandle LoadLibraryByName(const char* bareName);

// Drops one reference taken by LoadLibraryByName. A null handle is ignored.
void ReleaseLibrary(LibraryHandle library);

// The address of the exported symbol `name`, or null when the library has none.
void* FindSymbol(LibraryHandle library, const char* name);

// The code of the last failure recorded by the functions above in this thread.
// Windows: GetLastError(). Linux, where the loader gives no number: the errno
// value whose text ends the loader's message (ENOENT for a missing file), or
// ENOEXEC for a file that was found but cannot be loaded (bad format, missing
// dependency symbols), which names no system error of its own.
int LastErrorCode();

// The system's text for `code`, as the OS formats it, at most 256 characters, with
// trailing blanks, control characters and full stops removed. On Linux, for the
// code of the last recorded loader failure, the loader's own message (it names
// the file and the cause); otherwise strerror's text.
std::string SystemErrorText(int code);

} // namespace qm::platform
