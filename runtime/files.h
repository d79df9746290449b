// Numbered binary files: open, read and write 32-bit little-endian values,
// close. The most recently opened file is the current file.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdint>

// The system's handle of an open file: a Win32 HANDLE on Windows; elsewhere
// (native test and fuzzing builds) an opaque token standing for a descriptor.
#ifdef _WIN32
using FileHandle = HANDLE;
#else
using FileHandle = void*;
#endif

bool FileLayerStart();
// Closes every file still open, from number 0 upwards.
void FileLayerStop();

// Both return the system handle, or 0 on failure (then no file is current).
FileHandle FileOpenRead(int32_t number, const char* name);
FileHandle FileOpenReadWrite(int32_t number, const char* name);
void FileClose(int32_t number);
// Missing bytes read as 0; no current file gives 0.
int32_t FileReadInt32();
// The number of bytes written: 4, or 0.
int32_t FileWriteInt32(int32_t value);
// The current file's length in bytes; -1 without a current file.
int64_t FileLength();
// Ends the current file at its position, dropping every byte after it;
// false without a current file or when the system refuses.
bool FileTruncate();
