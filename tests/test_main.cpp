// Test entry point: the runtime's heaps and text area stand before any test,
// as they do before the program's first statement.
#include <gtest/gtest.h>

#include "runtime/memory.h"
#include "runtime/strings.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (!MainHeapCreate() || !ObjectHeapCreate() || !MemoryBlockHeapCreate()) return 2;
  return TempStringAreaCreate() ? RUN_ALL_TESTS() : 2;
}
