// Numbered binary files. Every read and write is one direct system call on
// the current file's handle; the position is the system's. The Win32 calls
// are the program's; the POSIX branch lets the same code run natively under
// the sanitizers and the fuzzer.
#include "runtime/files.h"

#include "runtime/numbered_table.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace {

constexpr int32_t VALUE_SIZE = 4;

#ifdef _WIN32

FileHandle SystemOpen(const char* name, bool readWrite) {
  const DWORD access = readWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
  const DWORD disposition = readWrite ? OPEN_ALWAYS : OPEN_EXISTING;
  HANDLE file = CreateFileA(name, access, FILE_SHARE_READ, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

void SystemClose(FileHandle file) { CloseHandle(file); }

int32_t SystemRead(FileHandle file, uint8_t* bytes) {
  DWORD bytesRead = 0;
  ReadFile(file, bytes, VALUE_SIZE, &bytesRead, nullptr);
  return static_cast<int32_t>(bytesRead);
}

int32_t SystemWrite(FileHandle file, const uint8_t* bytes) {
  DWORD written = 0;
  if (!WriteFile(file, bytes, VALUE_SIZE, &written, nullptr)) return 0;
  return static_cast<int32_t>(written);
}

int64_t SystemLength(FileHandle file) {
  LARGE_INTEGER size{};
  return GetFileSizeEx(file, &size) ? size.QuadPart : -1;
}

bool SystemTruncate(FileHandle file) { return SetEndOfFile(file) != 0; }

#else

// Descriptor 0 is valid, and a null handle means "none": the token is the
// descriptor plus one.
FileHandle HandleOf(int descriptor) {
  return reinterpret_cast<FileHandle>(static_cast<intptr_t>(descriptor) + 1);
}

int DescriptorOf(FileHandle file) { return static_cast<int>(reinterpret_cast<intptr_t>(file) - 1); }

// Windows opens no folder as a file; neither does this. Writers elsewhere
// are not shut out as FILE_SHARE_READ would: native builds only test.
FileHandle SystemOpen(const char* name, bool readWrite) {
  const int flags = readWrite ? O_RDWR | O_CREAT | O_CLOEXEC : O_RDONLY | O_CLOEXEC;
  const int descriptor = open(name, flags, 0666);
  if (descriptor < 0) return nullptr;
  struct stat status{};
  if (fstat(descriptor, &status) != 0 || S_ISDIR(status.st_mode)) {
    close(descriptor);
    return nullptr;
  }
  return HandleOf(descriptor);
}

void SystemClose(FileHandle file) { close(DescriptorOf(file)); }

int32_t SystemRead(FileHandle file, uint8_t* bytes) {
  const ssize_t bytesRead = read(DescriptorOf(file), bytes, VALUE_SIZE);
  return bytesRead < 0 ? 0 : static_cast<int32_t>(bytesRead);
}

int32_t SystemWrite(FileHandle file, const uint8_t* bytes) {
  const ssize_t written = write(DescriptorOf(file), bytes, VALUE_SIZE);
  return written < 0 ? 0 : static_cast<int32_t>(written);
}

int64_t SystemLength(FileHandle file) {
  struct stat status{};
  return fstat(DescriptorOf(file), &status) == 0 ? static_cast<int64_t>(status.st_size) : -1;
}

bool SystemTruncate(FileHandle file) {
  const off_t position = lseek(DescriptorOf(file), 0, SEEK_CUR);
  return position >= 0 && ftruncate(DescriptorOf(file), position) == 0;
}

#endif

struct FileRecord {
  FileHandle handle;
};

NumberedTable<FileRecord, 10> fileTable;
FileHandle currentFile;

// The handle of an opened file, or 0; a failed open leaves no current file.
// A file already open under the number stays open when the open fails.
FileHandle FileOpen(int32_t number, const char* name, bool readWrite) {
  FileHandle file = SystemOpen(name, readWrite);
  currentFile = nullptr;
  if (!file) return nullptr;
  FileRecord* record = fileTable.Slot(number);
  if (!record) {
    SystemClose(file);
    return nullptr;
  }
  if (record->handle) SystemClose(record->handle);
  record->handle = file;
  currentFile = file;
  return file;
}

}  // namespace

bool FileLayerStart() {
  currentFile = nullptr;
  return fileTable.Create();
}

void FileLayerStop() {
  for (int32_t number = 0; number < fileTable.Capacity(); ++number) FileClose(number);
  fileTable.Release();
  currentFile = nullptr;
}

FileHandle FileOpenRead(int32_t number, const char* name) { return FileOpen(number, name, false); }

FileHandle FileOpenReadWrite(int32_t number, const char* name) {
  return FileOpen(number, name, true);
}

void FileClose(int32_t number) {
  FileRecord* record = fileTable.Lookup(number);
  if (!record) return;
  // A stale current handle could later name some other object.
  if (record->handle == currentFile) currentFile = nullptr;
  SystemClose(record->handle);
  fileTable.Clear(number);
}

int32_t FileReadInt32() {
  // Bytes the file does not have stay 0; the value is little-endian as stored.
  uint8_t bytes[VALUE_SIZE] = {};
  if (!currentFile) return 0;
  SystemRead(currentFile, bytes);  // whatever it gets: a short read leaves zeros
  return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                              static_cast<uint32_t>(bytes[3]) << 24);
}

int32_t FileWriteInt32(int32_t value) {
  if (!currentFile) return 0;
  const auto bits = static_cast<uint32_t>(value);
  const uint8_t bytes[VALUE_SIZE] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                                     static_cast<uint8_t>(bits >> 16),
                                     static_cast<uint8_t>(bits >> 24)};
  return SystemWrite(currentFile, bytes);
}

int64_t FileLength() { return currentFile ? SystemLength(currentFile) : -1; }

bool FileTruncate() { return currentFile && SystemTruncate(currentFile); }
