// Test entry point: the runtime's heaps and text area stand before any test,
// as they do before the program's first statement.
#include <gtest/gtest.h>

#include "runtime/memory.h"
#include "runtime/strings.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const bool ready = MainHeapCreate() && ObjectHeapCreate() && MemoryBlockHeapCreate() && TempStringAreaCreate();
  return ready ? RUN_ALL_TESTS() : 2;
}
