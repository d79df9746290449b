// Arrays and numbered tables: zeroed elements, release of string fields,
// growth rules.
#include <gtest/gtest.h>

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
  grid.Dim(10, 10);
  EXPECT_EQ(grid.Stride(), 10);
  EXPECT_EQ(grid.Count(), 100);
  for (int32_t i = 0; i < 10; ++i) {
    for (int32_t j = 0; j < 10; ++j) {
      EXPECT_EQ(grid(i, j).value, 0);
      EXPECT_EQ(StrLen(grid(i, j).text), 0);
    }
  }
  EXPECT_EQ(&grid(3, 4), grid.Data() + 34);
  for (int32_t i = 0; i < 100; ++i) {
    grid.Data()[i].value = 5;
    StrSet(grid.Data()[i].text, "123456789");
  }
  EXPECT_EQ(MainHeapBlockCount(), before + 101);

  grid.Dim(10, 10);
  EXPECT_EQ(MainHeapBlockCount(), before + 1);
  EXPECT_EQ(grid(9, 9).value, 0);
  EXPECT_EQ(grid(9, 9).text.Get(), nullptr);

  grid.Release();
  grid.Release();  // never dimensioned again: nothing to do
  EXPECT_EQ(MainHeapBlockCount(), before);
}

TEST(Arrays, OneDimensionHoldsIndicesUpToTheHighest) {
  Array<int32_t> markers;
  markers.Release();  // never dimensioned
  markers.Dim(81);
  EXPECT_EQ(markers.Count(), 82);
  markers[81] = 7;
  markers.Dim(81);
  EXPECT_EQ(markers[81], 0);
  markers.Release();
}

struct Record {
  void* handle;
  int32_t extra;
};

TEST(NumberedTables, LookupAndGrowthRules) {
  NumberedTable<Record, 10> files;
  ASSERT_TRUE(files.Create());
  EXPECT_EQ(files.Capacity(), 10);
  EXPECT_EQ(files.Lookup(3), nullptr);
  EXPECT_EQ(files.Lookup(-1), nullptr);
  EXPECT_EQ(files.Lookup(500), nullptr);

  int marker = 0;
  for (int32_t n = 0; n < 10; ++n) {
    files.Slot(n)->handle = &marker;
    files.Slot(n)->extra = n;
  }
  ASSERT_NE(files.Slot(12), nullptr);
  EXPECT_EQ(files.Capacity(), 22);
  for (int32_t n = 0; n < 10; ++n) ASSERT_EQ(files.Lookup(n)->extra, n);
  EXPECT_EQ(files.Lookup(12), nullptr);  // taken but not yet holding a handle
  EXPECT_EQ(files.Lookup(21), nullptr);

  files.Clear(4);
  EXPECT_EQ(files.Lookup(4), nullptr);
  EXPECT_EQ(files.Slot(-1), nullptr);
  ASSERT_NE(files.Slot(777), nullptr);
  EXPECT_EQ(files.Capacity(), 787);
  files.Release();

  NumberedTable<Record, 30> fonts;
  ASSERT_TRUE(fonts.Create());
  ASSERT_NE(fonts.Slot(120), nullptr);
  EXPECT_EQ(fonts.Capacity(), 150);
  fonts.Release();

  NumberedTable<Record, 10, 11> images;
  ASSERT_TRUE(images.Create());
  EXPECT_EQ(images.Capacity(), 11);
  images.Release();
}

TEST(MemoryBlocks, AllocateZeroedAndCopy) {
  EXPECT_EQ(MemoryAlloc(0), nullptr);
  EXPECT_EQ(MemoryAlloc(-5), nullptr);
  auto* block = static_cast<char*>(MemoryAlloc(16));
  ASSERT_NE(block, nullptr);
  for (int i = 0; i < 16; ++i) ASSERT_EQ(block[i], 0);
  char* end = MemoryCopy("abcdef", block, 6);
  EXPECT_EQ(end, block + 6);
  EXPECT_EQ(memcmp(block, "abcdef", 6), 0);
  MemoryFree(block);
}

}  // namespace
