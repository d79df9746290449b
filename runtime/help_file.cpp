// The carried help file, written out to the temporary folder on first use.
//
// The file gets a name no other file there has (CREATE_NEW): another run of
// the program, or anything else, keeps its own file, and a file written
// fresh by this run never carries a download's "blocked" mark, as one
// unpacked from a downloaded zip would.
//
// A viewer may keep the file open until its process ends (Wine's does, once
// it has shown a second topic in one window), so that the deletion at
// shutdown fails. Such a copy is removed when help is next written: any
// file of ours there whose bytes are exactly the carried file's and that no
// viewer holds open any more.
#include "runtime/help_file.h"

#include <windows.h>

#include <cstring>

#include "runtime/instance.h"

namespace {

constexpr char NAME_STEM[] = "TesselSudoku";
constexpr char NAME_SUFFIX[] = ".chm";
constexpr char NAME_PATTERN[] = "TesselSudoku*.chm";
// Names tried: TesselSudoku.chm, then TesselSudoku-2.chm and so on.
constexpr int NAMES_TRIED = 100;
// Room for the longest name after the folder's path.
constexpr DWORD NAME_ROOM = sizeof NAME_STEM + sizeof NAME_SUFFIX + 4;
// A viewer closing on a thread of its own may hold the file a moment longer.
constexpr int DELETE_TRIES = 10;
constexpr DWORD DELETE_PAUSE_MS = 50;
constexpr DWORD COMPARE_CHUNK = 4096;

char writtenPath[MAX_PATH];

struct Carried {
  const BYTE* bytes;
  DWORD size;
};

Carried FindCarried(const char* resourceName) {
  HRSRC resource = FindResourceA(ProgramInstance(), resourceName, RT_RCDATA);
  if (!resource) return {nullptr, 0};
  HGLOBAL loaded = LoadResource(ProgramInstance(), resource);
  const auto* bytes = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
  return {bytes, bytes ? SizeofResource(ProgramInstance(), resource) : 0};
}

bool HoldsCarried(const char* path, const Carried& carried) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool same = GetFileSize(file, nullptr) == carried.size;
  BYTE chunk[COMPARE_CHUNK];
  for (DWORD at = 0; same && at < carried.size;) {
    DWORD read = 0;
    same = ReadFile(file, chunk, COMPARE_CHUNK, &read, nullptr) && read > 0 &&
           read <= carried.size - at && memcmp(chunk, carried.bytes + at, read) == 0;
    at += read;
  }
  CloseHandle(file);
  return same;
}

void DeleteLeftCopies(const char* folder, const Carried& carried) {
  char path[MAX_PATH];
  wsprintfA(path, "%s%s", folder, NAME_PATTERN);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (strlen(found.cFileName) >= NAME_ROOM) continue;
    wsprintfA(path, "%s%s", folder, found.cFileName);
    if (HoldsCarried(path, carried)) DeleteFileA(path);  // fails while a viewer holds it
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// A new file in `folder`, its path in `path`; INVALID_HANDLE_VALUE when none
// can be made.
HANDLE CreateNewHelpFile(const char* folder, char (&path)[MAX_PATH]) {
  for (int n = 1; n <= NAMES_TRIED; ++n) {
    if (n == 1) {
      wsprintfA(path, "%s%s%s", folder, NAME_STEM, NAME_SUFFIX);
    } else {
      wsprintfA(path, "%s%s-%d%s", folder, NAME_STEM, n, NAME_SUFFIX);
    }
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    if (GetLastError() != ERROR_FILE_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteCarried(const Carried& carried, char (&path)[MAX_PATH]) {
  char folder[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH - NAME_ROOM) return false;
  DeleteLeftCopies(folder, carried);
  HANDLE file = CreateNewHelpFile(folder, path);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole =
      WriteFile(file, carried.bytes, carried.size, &written, nullptr) && written == carried.size;
  if (CloseHandle(file) && whole) return true;
  DeleteFileA(path);  // a part of the file is no help file
  return false;
}

}  // namespace

const char* CarriedHelpFile(const char* resourceName) {
  // Reused while it is there; one removed meanwhile is written again.
  if (writtenPath[0] && GetFileAttributesA(writtenPath) != INVALID_FILE_ATTRIBUTES) {
    return writtenPath;
  }
  writtenPath[0] = '\0';
  const Carried carried = FindCarried(resourceName);
  if (!carried.bytes || carried.size == 0) return nullptr;
  char path[MAX_PATH];
  if (!WriteCarried(carried, path)) return nullptr;
  lstrcpyA(writtenPath, path);
  return writtenPath;
}

void CarriedHelpFileDelete() {
  if (!writtenPath[0]) return;
  for (int attempt = 0; attempt < DELETE_TRIES && !DeleteFileA(writtenPath); ++attempt) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) break;
    Sleep(DELETE_PAUSE_MS);
  }
  writtenPath[0] = '\0';
}
