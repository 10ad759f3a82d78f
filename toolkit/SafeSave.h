// Saving a file so that a failure leaves whatever stood under its name as it was.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class FileStream;

// Writes a file through write, which puts the content into the stream and returns 0 or the
// system error. The content goes into a new file in the same folder first and takes the name
// only when all of it was written. A target that cannot be written (read-only, a folder, held
// open) fails as writing into it would. Returns 0, or the system error of the failure.
DWORD saveReplacing(const std::string& path, const std::function<DWORD(FileStream&)>& write);
