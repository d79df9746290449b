// The program's instance handle.
#include "runtime/instance.h"

namespace {

HINSTANCE programInstance;

}  // namespace

void SetProgramInstance(HINSTANCE instance) { programInstance = instance; }

HINSTANCE ProgramInstance() {
  // Before start-up has recorded it, the exe's own module is the answer.
  return programInstance ? programInstance : GetModuleHandleA(nullptr);
}
