// Arrays, numbered tables and memory blocks: zeroed elements, release of
// string fields, growth rules.
#include <gtest/gtest.h>

#include <cstring>

#include "runtime/array.h"
#include "runtime/memory.h"
#include "runtime/numbered_table.h"
#include "runtime/strings.h"

namespace {

struct Element {
  int8_t value = 0;
  Text text;
};

TEST(Arrays, DimensioningAgainReleasesStringsAndZeroesElements) {
  const int32_t before = MainHeapBlockCount();
  Array2D<Element> grid;
  grid.Release();  // never dimensioned: nothing to do
  grid.Dim(10, 12);
  EXPECT_EQ(grid.Stride(), 12);
  EXPECT_EQ(grid.Count(), 120);
  EXPECT_EQ(&grid(3, 4), grid.Data() + 40);
  for (int32_t i = 0; i <= 120; ++i) {  // one element more than the count
    ASSERT_EQ(grid.Data()[i].value, 0);
    ASSERT_EQ(grid.Data()[i].text.Get(), nullptr);
    grid.Data()[i].value = 5;
    StrSet(grid.Data()[i].text, "123456789");
  }
  EXPECT_EQ(MainHeapBlockCount(), before + 122);
  grid.Dim(10, 10);
  EXPECT_EQ(MainHeapBlockCount(), before + 1);
  EXPECT_EQ(grid(9, 9).value, 0);
  EXPECT_EQ(grid(9, 9).text.Get(), nullptr);
  grid.Release();
  EXPECT_EQ(MainHeapBlockCount(), before);

  Array<int32_t> markers;
  markers.Dim(81);
  EXPECT_EQ(markers.Count(), 82);
  markers[81] = 7;
  markers.Dim(81);
  EXPECT_EQ(markers[81], 0);
}

struct Record {
  void* handle;
  int32_t extra;
};

TEST(NumberedTables, LookupAndGrowthRules) {
  NumberedTable<Record, 10> files;
  ASSERT_TRUE(files.Create());
  EXPECT_EQ(files.Capacity(), 10);
  int marker = 0;
  for (int32_t n = 0; n < 10; ++n) *files.Slot(n) = {&marker, n};
  for (int32_t n : {-1, 10, 500}) EXPECT_EQ(files.Lookup(n), nullptr) << n;
  ASSERT_NE(files.Slot(12), nullptr);
  EXPECT_EQ(files.Capacity(), 22);
  for (int32_t n = 0; n < 10; ++n) ASSERT_EQ(files.Lookup(n)->extra, n);
  for (int32_t n : {12, 21}) EXPECT_EQ(files.Lookup(n), nullptr) << "grown, not yet holding";
  files.Clear(4);
  files.Clear(-1);
  files.Clear(22);
  EXPECT_EQ(files.Lookup(4), nullptr);
  EXPECT_EQ(files.Lookup(5)->extra, 5);
  EXPECT_EQ(files.Slot(-1), nullptr);
  ASSERT_NE(files.Slot(777), nullptr);
  EXPECT_EQ(files.Capacity(), 787);
  EXPECT_EQ(files.Lookup(9)->extra, 9);
  files.Release();

  NumberedTable<Record, 30, 11> images;
  ASSERT_TRUE(images.Create());
  EXPECT_EQ(images.Capacity(), 11);
  ASSERT_NE(images.Slot(120), nullptr);
  EXPECT_EQ(images.Capacity(), 150);
  images.Release();
  MainHeapRefuseNext(1);
  EXPECT_FALSE(images.Create());
  EXPECT_EQ(images.Capacity(), 0);
}

TEST(MemoryBlocks, AllocateZeroedAndCopy) {
  EXPECT_EQ(MemoryAlloc(0), nullptr);
  EXPECT_EQ(MemoryAlloc(-5), nullptr);
  auto* block = static_cast<char*>(MemoryAlloc(16));
  ASSERT_NE(block, nullptr);
  for (int i = 0; i < 16; ++i) ASSERT_EQ(block[i], 0);
  EXPECT_EQ(MemoryCopy("abcdef", block, 6), block + 6);
  EXPECT_EQ(MemoryCopy("xyz", block, 0), block);
  EXPECT_EQ(MemoryCopy("xyz", block, -3), block);
  EXPECT_EQ(memcmp(block, "abcdef\0", 8), 0);
  MemoryFree(block);
}

}  // namespace
