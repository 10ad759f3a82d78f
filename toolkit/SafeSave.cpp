#include "toolkit/SafeSave.h"

#include "toolkit/FileStream.h"

DWORD saveReplacing(const std::string& path, const std::function<DWORD(FileStream&)>& write) {
    // A target that cannot be written fails the save as writing into it would; the rename
    // below would otherwise replace it regardless. The attribute is checked by itself too: a
    // privileged process may open a read-only file.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return ERROR_ACCESS_DENIED;
    }
    HANDLE target = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target != INVALID_HANDLE_VALUE) {
        CloseHandle(target);
    } else if (DWORD error = GetLastError(); error != ERROR_FILE_NOT_FOUND) {
        return error;
    }
    char fullPath[MAX_PATH];
    char* fileName = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, fullPath, &fileName);
    if (length == 0 || length >= MAX_PATH || !fileName) {
        return length == 0 ? GetLastError() : ERROR_FILENAME_EXCED_RANGE;
    }
    // The new content goes into a file of its own in the same folder first.
    const std::string folder(fullPath, fileName);
    char tempPath[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "nrv", 0, tempPath)) {
        return GetLastError();
    }
    HANDLE file = CreateFileA(tempPath, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        DeleteFileA(tempPath);
        return error;
    }
    FileStream out(file);
    DWORD error = write(out);
    if (!CloseHandle(file) && error == 0) {
        error = GetLastError();
    }
    if (error == 0) {
        if (MoveFileExA(tempPath, fullPath, MOVEFILE_REPLACE_EXISTING)) {
            return 0;
        }
        error = GetLastError();
    }
    DeleteFileA(tempPath);
    return error ? error : ERROR_WRITE_FAULT;
}
