// Arrays, numbered tables and memory blocks: zeroed elements, release of
// string fields, growth rules.
#include <gtest/gtest.h>

#include <cstring>

#include "runtime/array.h"
#include "runtime/numbered_table.h"
#include "runtime/strings.h"

namespace {

struct Element { int8_t value = 0; Text text; };

TEST(Arrays, DimensioningAgainReleasesStringsAndZeroesElements) {
  const int32_t before = MainHeapBlockCount();
  Array2D<Element> grid;
  grid.Release();  // never dimensioned: nothing to do
  grid.Dim(10, 12);
  EXPECT_TRUE(grid.Stride() == 12 && grid.Count() == 120 && &grid(3, 4) == grid.Data() + 40);
  for (int32_t i = 0; i <= 120; ++i) {  // one element more than the count
    ASSERT_TRUE(grid.Data()[i].value == 0 && grid.Data()[i].text.Get() == nullptr) << i;
    grid.Data()[i].value = 5;
    StrSet(grid.Data()[i].text, "123456789");
  }
  EXPECT_EQ(MainHeapBlockCount(), before + 122);
  grid.Dim(10, 10);
  EXPECT_TRUE(MainHeapBlockCount() == before + 1 && grid(9, 9).value == 0 && grid(9, 9).text.Get() == nullptr);
  grid.Release();
  Array<int32_t> markers;
  markers.Dim(81);
  markers[81] = 7;
  markers.Dim(81);
  EXPECT_TRUE(markers.Count() == 82 && markers[81] == 0);
  markers.Release();
  EXPECT_EQ(MainHeapBlockCount(), before);
}

TEST(NumberedTablesAndMemoryBlocks, LookupGrowthZeroingAndCopies) {
  struct Record { void* handle; int32_t extra; };
  NumberedTable<Record, 10> files;
  ASSERT_TRUE(files.Create() && files.Capacity() == 10);
  for (int32_t n = 0; n < 10; ++n) *files.Slot(n) = {&files, n};
  for (int32_t n : {-1, 10, 500}) EXPECT_EQ(files.Lookup(n), nullptr) << n;
  ASSERT_TRUE(files.Lookup(0)->extra == 0 && files.Slot(12) != nullptr && files.Capacity() == 22);
  for (int32_t n : {12, 21}) EXPECT_EQ(files.Lookup(n), nullptr) << "grown, not yet holding";
  files.Clear(0), files.Clear(4), files.Clear(-1), files.Clear(22);
  EXPECT_TRUE(files.Lookup(0) == nullptr && files.Lookup(4) == nullptr && files.Slot(-1) == nullptr);
  ASSERT_TRUE(files.Slot(777) != nullptr && files.Capacity() == 787);
  for (int32_t n : {1, 5, 9}) EXPECT_EQ(files.Lookup(n)->extra, n) << "kept by growing";
  files.Release();
  NumberedTable<Record, 30, 11> images;
  ASSERT_TRUE(images.Create() && images.Capacity() == 11);
  ASSERT_TRUE(images.Slot(120) != nullptr && images.Capacity() == 150);
  images.Release();
  EXPECT_TRUE(MemoryAlloc(0) == nullptr && MemoryAlloc(-5) == nullptr);
  auto* block = static_cast<char*>(MemoryAlloc(16));
  ASSERT_TRUE(block != nullptr && memcmp(block, std::string(16, '\0').data(), 16) == 0);
  EXPECT_EQ(MemoryCopy("abcdef", block, 6), block + 6);
  EXPECT_TRUE(MemoryCopy("xyz", block, 0) == block && MemoryCopy("xyz", block, -3) == block);
  EXPECT_EQ(memcmp(block, "abcdef\0", 8), 0);
  MemoryFree(block);
}

}  // namespace
