// Arrays and numbered tables: zeroed elements, release of string fields,
// growth rules.
#include <gtest/gtest.h>

#include "runtime/array.h"
#include "runtime/numbered_table.h"
#include "runtime/strings.h"

TEST(Arrays, DimensioningAgainReleasesStringsAndZeroesElements) {
  struct Element { int8_t value = 0; Text text; };
  const int32_t before = MainHeapBlockCount();
  Array2D<Element> grid;
  grid.Dim(10, 12);
  EXPECT_TRUE(grid.Stride() == 12 && grid.Count() == 120 && &grid(3, 4) == grid.Data() + 40);
  for (int32_t i = 0; i <= 120; ++i) {  // one element more than the count
    ASSERT_TRUE(grid.Data()[i].value == 0 && grid.Data()[i].text.Get() == nullptr) << i;
    grid.Data()[i].value = 5;
    StrSet(grid.Data()[i].text, "123456789");
  }
  EXPECT_EQ(MainHeapBlockCount(), before + 122);
  grid.Dim(10, 10);
  EXPECT_TRUE(MainHeapBlockCount() == before + 1 && grid(9, 9).value == 0 && !grid(9, 9).text);
  MainHeapRefuseNext(1);  // no block: no elements and no stride
  grid.Dim(3, 3);
  EXPECT_TRUE(grid.Data() == nullptr && grid.Stride() == 0);
  EXPECT_EQ(MainHeapBlockCount(), before);
  // One dimension, as the marker list: indices 0 to the highest given.
  Array<int32_t> list;
  EXPECT_TRUE(list.Count() == 0 && !list.Data());
  list.Dim(5);
  list[5] = 7;
  EXPECT_TRUE(list.Count() == 6 && list.Data()[5] == 7 && list[0] == 0);
  list.Release();
  grid.Dim(2, 2);
  grid.Release();
  EXPECT_TRUE(list.Count() == 0 && !list.Data() && grid.Count() == 0 && grid.Stride() == 0);
}

TEST(NumberedTables, LookupGrowthAndZeroing) {
  struct Record { void* handle; int32_t extra; };
  NumberedTable<Record, 10> files;
  ASSERT_TRUE(files.Create() && files.Capacity() == 10);
  for (int32_t n = 0; n < 10; ++n) *files.Slot(n) = {&files, n};
  ASSERT_TRUE(files.Lookup(0)->extra == 0 && files.Slot(10) != nullptr && files.Capacity() == 20);
  // Out of the table, or grown and not yet holding (10, 19).
  for (int32_t n : {-1, 10, 12, 19, 20, 500}) EXPECT_EQ(files.Lookup(n), nullptr) << n;
  files.Clear(0), files.Clear(4), files.Clear(-1), files.Clear(20);
  EXPECT_TRUE(!files.Lookup(0) && !files.Lookup(4) && !files.Slot(-1));
  ASSERT_TRUE(files.Slot(777) != nullptr && files.Capacity() == 787);
  for (int32_t n : {1, 5, 9}) EXPECT_EQ(files.Lookup(n)->extra, n) << "kept by growing";
  MainHeapRefuseNext(1);  // no room to grow: no record, the table as it was
  EXPECT_TRUE(files.Slot(1000) == nullptr && files.Capacity() == 787 && files.Lookup(5));
  files.Release();
  EXPECT_TRUE(files.Capacity() == 0 && !files.Lookup(0));  // nothing left to look up
  MainHeapRefuseNext(1);
  EXPECT_TRUE(!files.Create() && files.Capacity() == 0 && !files.Lookup(0));
  NumberedTable<Record, 30, 11> images;
  EXPECT_TRUE(images.Capacity() == 0 && !images.Lookup(0));  // nothing before it is made
  ASSERT_TRUE(images.Create() && images.Capacity() == 11);
  ASSERT_TRUE(images.Slot(120) != nullptr && images.Capacity() == 150);
  images.Release();
}

TEST(MemoryBlocks, CopyMovesExactlyItsLength) {
  char to[6] = "-----";
  EXPECT_EQ(MemoryCopy("abc", to, 3), to + 3);
  EXPECT_EQ(MemoryCopy("xyz", to + 3, 0), to + 3);
  EXPECT_EQ(MemoryCopy("xyz", to + 3, -1), to + 3);
  EXPECT_EQ(MemoryCopy("z", to + 4, 1), to + 5);
  EXPECT_STREQ(to, "abc-z");
  // No block of no bytes; one byte is a block.
  EXPECT_EQ(MemoryAlloc(0), nullptr);
  void* block = MemoryAlloc(1);
  EXPECT_NE(block, nullptr);
  MemoryFree(block);
}
