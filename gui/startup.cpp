// The runtime's start-up and shutdown: each layer once, in this order, so
// that every layer finds the ones it builds on already standing.
#include "gui/startup.h"

#include <commctrl.h>

#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/files.h"
#include "runtime/fonts.h"
#include "runtime/images.h"
#include "runtime/instance.h"
#include "runtime/memory.h"
#include "runtime/messages.h"
#include "runtime/strings.h"

bool RuntimeStart(HINSTANCE instance) {
  SetProgramInstance(instance);
  if (!MainHeapCreate()) return false;
  bool ok = ObjectHeapCreate() && FileLayerStart() && FontLayerStart() && WindowLayerStart() &&
            GadgetLayerStart();
  if (!ok) return false;
  HelpLayerStart();  // without the help library only help is missing
  if (!ImageLayerStart()) return false;
  InitCommonControls();
  return MemoryBlockHeapCreate() && TempStringAreaCreate();
}

void RuntimeStop() {
  ImageLayerStop();
  HelpLayerStop();
  WindowCloseAll();
  GadgetLayerStop();
  WindowLayerStop();
  FontLayerStop();
  FileLayerStop();
  ObjectHeapDestroy();
}

void RuntimeEnd() {
  RuntimeStop();
  MainHeapDestroy();
  ExitProcess(0);
}
