#pragma once
#include <windows.h>

#include <cstddef>

class MemoryStream;
class Stream;

// Writes every byte of the module's resource of the given type and name into stream at its
// position; returns how many. A resource that cannot be found or loaded gives 0 and writes
// nothing.
std::size_t resourceToStream(Stream& stream, HMODULE module, const char* name, const char* type);

// The unpacking sequence: copies the program's own resource into a memory stream, unpacks
// it as bzip2 into out and leaves out at position 0. Failures raise Exception; a missing
// resource unpacks as an empty source, which is one of them.
void unpackResource(const char* name, const char* type, MemoryStream& out);
