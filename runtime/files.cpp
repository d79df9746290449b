// Numbered binary files. Every read and write is one direct system call on
// the current file's handle; the position is the system's.
#include "runtime/files.h"

#include "runtime/numbered_table.h"

namespace {

struct FileRecord {
  HANDLE handle;
};

NumberedTable<FileRecord, 10> fileTable;
HANDLE currentFile;

// The handle of an opened file, or 0; a failed open leaves no current file.
// A file already open under the number stays open when the open fails.
HANDLE FileOpen(int32_t number, const char* name, DWORD access, DWORD disposition) {
  HANDLE file = CreateFileA(name, access, FILE_SHARE_READ, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) file = nullptr;
  currentFile = nullptr;
  if (!file) return nullptr;
  FileRecord* record = fileTable.Slot(number);
  if (!record) {
    CloseHandle(file);
    return nullptr;
  }
  if (record->handle) CloseHandle(record->handle);
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

HANDLE FileOpenRead(int32_t number, const char* name) {
  return FileOpen(number, name, GENERIC_READ, OPEN_EXISTING);
}

HANDLE FileOpenReadWrite(int32_t number, const char* name) {
  return FileOpen(number, name, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
}

void FileClose(int32_t number) {
  FileRecord* record = fileTable.Lookup(number);
  if (!record) return;
  // A stale current handle could later name some other object.
  if (record->handle == currentFile) currentFile = nullptr;
  CloseHandle(record->handle);
  fileTable.Clear(number);
}

int32_t FileReadInt32() {
  // Bytes the file does not have stay 0; the value is little-endian as stored.
  int32_t value = 0;
  if (!currentFile) return 0;
  DWORD bytesRead = 0;
  ReadFile(currentFile, &value, sizeof value, &bytesRead, nullptr);
  return value;
}

int32_t FileWriteInt32(int32_t value) {
  if (!currentFile) return 0;
  DWORD written = 0;
  if (!WriteFile(currentFile, &value, sizeof value, &written, nullptr)) return 0;
  return static_cast<int32_t>(written);
}

int32_t FileTableCapacity() { return fileTable.Capacity(); }
