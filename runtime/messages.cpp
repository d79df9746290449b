// Modal message boxes and the help file.
//
// While a box is up, every other visible window of this thread is disabled,
// not just its owner, so that no window of the program takes input until the
// user has answered. The help viewer is chosen by the file's extension: the
// classic viewer for ".hlp", the HTML help library for everything else.
#include "runtime/messages.h"

#include <cstring>

#include "runtime/help_file.h"
#include "runtime/help_viewers.h"
#include "runtime/memory.h"

namespace {

// One window a message box disabled; the newest record comes first.
struct DisabledWindow {
  DisabledWindow* next;
  DWORD thread;
  HWND window;
};

DisabledWindow* disabledWindows;

constexpr UINT HH_DISPLAY_TOPIC = 0x0;
constexpr UINT HH_CLOSE_ALL = 0x12;
constexpr char CLASSIC_SUFFIX[] = ".hlp";
constexpr size_t CLASSIC_SUFFIX_LENGTH = sizeof CLASSIC_SUFFIX - 1;
constexpr char TOPIC_SEPARATOR[] = "::/";
constexpr size_t MAX_LOCATION_LENGTH = 2007;

HMODULE helpLibrary;
HelpViewers helpViewers = {WinHelpA, nullptr};
bool viewersReplaced;  // a test's viewers stay in place when the library loads
bool classicViewerUsed;

BOOL CALLBACK DisableThreadWindow(HWND window, LPARAM /*data*/) {
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return TRUE;
  if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  if (window == GetForegroundWindow()) return TRUE;  // the box's owner: the platform's job
  auto* record = static_cast<DisabledWindow*>(ObjectHeapAlloc(sizeof(DisabledWindow)));
  if (!record) return TRUE;  // a window nobody would enable again stays enabled
  EnableWindow(window, FALSE);
  *record = {disabledWindows, GetCurrentThreadId(), window};
  disabledWindows = record;
  return TRUE;
}

// Enables again this thread's windows listed in front of `older`: those the
// current box disabled. A box shown while another is up leaves the first
// box's windows disabled.
void EnableThreadWindows(const DisabledWindow* older) {
  DisabledWindow** link = &disabledWindows;
  while (*link && *link != older) {
    DisabledWindow* record = *link;
    if (record->thread != GetCurrentThreadId()) {
      link = &record->next;
      continue;
    }
    EnableWindow(record->window, TRUE);
    *link = record->next;
    ObjectHeapFree(record);
  }
}

// The foreground window, unless another process owns it.
HWND MessageOwner() {
  HWND foreground = GetForegroundWindow();
  if (!foreground) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(foreground, &process);
  return process == GetCurrentProcessId() ? foreground : nullptr;
}

bool IsClassicHelpFile(const char* file) {
  const size_t length = strlen(file);
  return length > CLASSIC_SUFFIX_LENGTH &&
         _stricmp(file + length - CLASSIC_SUFFIX_LENGTH, CLASSIC_SUFFIX) == 0;
}

void ShowClassicHelp(const char* file, const char* topic) {
  classicViewerUsed = true;
  if (topic && *topic) {
    helpViewers.classic(GetActiveWindow(), file, HELP_KEY, reinterpret_cast<ULONG_PTR>(topic));
  } else {
    helpViewers.classic(GetActiveWindow(), file, HELP_CONTENTS, 0);
  }
}

// "file::/topic", or the file alone for an empty topic; false when it would
// be longer than the HTML help library takes.
bool HelpLocation(const char* file, const char* topic, char (&location)[MAX_LOCATION_LENGTH + 1]) {
  const size_t fileLength = strlen(file);
  const size_t topicLength = topic ? strlen(topic) : 0;
  const size_t separatorLength = topicLength ? sizeof TOPIC_SEPARATOR - 1 : 0;
  if (fileLength + separatorLength + topicLength > MAX_LOCATION_LENGTH) return false;
  memcpy(location, file, fileLength);
  memcpy(location + fileLength, TOPIC_SEPARATOR, separatorLength);
  memcpy(location + fileLength + separatorLength, topic, topicLength);
  location[fileLength + separatorLength + topicLength] = '\0';
  return true;
}

}  // namespace

int32_t ShowMessage(const char* title, const char* text, uint32_t flags) {
  const DisabledWindow* older = disabledWindows;
  EnumWindows(DisableThreadWindow, 0);
  const int32_t result = MessageBoxA(MessageOwner(), text, title, flags);
  EnableThreadWindows(older);
  return result;
}

void HelpLayerStart() {
  classicViewerUsed = false;
  helpLibrary = LoadLibraryA("hhctrl.ocx");
  // The export's address arrives as a generic procedure; void* bridges the cast.
  FARPROC entry = helpLibrary ? GetProcAddress(helpLibrary, "HtmlHelpA") : nullptr;
  if (!viewersReplaced) {
    helpViewers.html = reinterpret_cast<HtmlHelpEntry>(reinterpret_cast<void*>(entry));
  }
}

void HelpLayerStop() {
  // The library stays loaded: a viewer it opened may still be closing.
  if (helpLibrary) CloseHelpViewer();
  CarriedHelpFileDelete();  // only now does no viewer hold it
}

bool HtmlHelpAvailable() { return helpViewers.html != nullptr; }

HWND ShowHelpTopic(const char* file, const char* topic) {
  classicViewerUsed = false;
  if (!file) return nullptr;
  if (IsClassicHelpFile(file)) {
    ShowClassicHelp(file, topic);
    return nullptr;
  }
  if (!helpViewers.html) return nullptr;
  char location[MAX_LOCATION_LENGTH + 1];
  if (!HelpLocation(file, topic, location)) return nullptr;
  HWND viewer = helpViewers.html(nullptr, location, HH_DISPLAY_TOPIC, 0);
  // A viewer already open turns to the topic where it lies, perhaps behind
  // the program or minimised: it comes to the front, where the user looks.
  if (viewer && IsWindow(viewer)) {
    if (IsIconic(viewer)) ShowWindow(viewer, SW_RESTORE);
    SetForegroundWindow(viewer);
  }
  return viewer;
}

void CloseHelpViewer() {
  if (classicViewerUsed) {
    helpViewers.classic(GetActiveWindow(), nullptr, HELP_QUIT, 0);
  } else if (helpViewers.html) {
    helpViewers.html(nullptr, nullptr, HH_CLOSE_ALL, 0);
  }
}

HelpViewers HelpViewersReplace(HelpViewers viewers) {
  const HelpViewers replaced = helpViewers;
  helpViewers = viewers;
  viewersReplaced = true;
  return replaced;
}
