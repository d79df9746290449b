// The skin block: its layout, the run table's checks, and the program's own
// skin picture and outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "gui/skin_format.h"
#include "gui/unpack.h"
#include "tools/picture/bmp_write.h"
#include "tools/picture/file_bytes.h"
#include "tools/picture/skin_block.h"

namespace {

int32_t I32(const Bytes& b, size_t at) {
  return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24);
}
int16_t I16(const Bytes& b, size_t at) { return static_cast<int16_t>(b[at] | b[at + 1] << 8); }

// Takes a block apart again: the unpacked picture and the runs.
void ReadBlock(const Bytes& block, Bytes& picture, std::vector<SkinRun>& runs) {
  ASSERT_GE(block.size(), size_t(SKIN_PICTURE_OFFSET));
  EXPECT_EQ(block[SKIN_RUN_HEIGHT_OFFSET], 1);
  EXPECT_EQ(block[SKIN_PACKED_FLAG_OFFSET], 9);
  const int32_t pictureSize = I32(block, SKIN_PICTURE_SIZE_OFFSET);
  const int32_t packedSize = I32(block, SKIN_PACKED_SIZE_OFFSET);
  EXPECT_EQ(std::memcmp(block.data() + SKIN_SIGNATURE_OFFSET, SKIN_SIGNATURE, 48), 0);
  EXPECT_EQ(block[SKIN_SIGNATURE_OFFSET + 48], 13);
  EXPECT_EQ(block[SKIN_SIGNATURE_OFFSET + 49], 10);
  const size_t tableAt = SKIN_PICTURE_OFFSET + static_cast<size_t>(packedSize);
  ASSERT_LE(tableAt + 4, block.size());
  const int32_t tableBytes = I32(block, tableAt);
  ASSERT_EQ(block.size(), tableAt + 4 + tableBytes);
  ASSERT_EQ(tableBytes % SKIN_RUN_SIZE, 0);
  picture.assign(pictureSize, 0);
  EXPECT_EQ(Unpack(block.data() + SKIN_PICTURE_OFFSET, packedSize, picture.data(), pictureSize), pictureSize);
  runs.clear();
  for (size_t at = tableAt + 4; at < block.size(); at += SKIN_RUN_SIZE) {
    runs.push_back({I16(block, at), I16(block, at + 2), I16(block, at + 4)});
  }
}

TEST(SkinBlock, LaysOutTheFieldsAndUnpacksToThePicture) {
  Bytes bitmap(5000);
  for (size_t i = 0; i < bitmap.size(); ++i) bitmap[i] = static_cast<uint8_t>(i % 97 < 50 ? 7 : i);
  const std::vector<SkinRun> runs = {{0, 0, 10}, {-1, 300, 766}, {12, 1, 13}};
  const Bytes block = SkinBlockBuild(bitmap, runs);
  EXPECT_EQ(I32(block, SKIN_PICTURE_SIZE_OFFSET), 5000);
  Bytes picture;
  std::vector<SkinRun> back;
  ReadBlock(block, picture, back);
  EXPECT_EQ(picture, bitmap);
  ASSERT_EQ(back.size(), runs.size());
  for (size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(back[i].left, runs[i].left);  // signed 16-bit, in file order
    EXPECT_EQ(back[i].top, runs[i].top);
    EXPECT_EQ(back[i].right, runs[i].right);
  }
}

TEST(SkinBlock, RunTableTextAndItsChecks) {
  std::vector<SkinRun> runs;
  EXPECT_TRUE(SkinRunsParse("# comment\n0 0 10\n\n20 0 30\r\n5 1 6\n", runs));
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[1].left, 20);
  EXPECT_TRUE(SkinRunsFit(runs, 30, 2));
  for (const char* bad : {"1 2\n", "1 2 3 4\n", "a b c\n", "0 0 70000\n"}) {
    EXPECT_FALSE(SkinRunsParse(bad, runs)) << bad;
  }
  const std::vector<SkinRun> overlapping = {{0, 3, 10}, {9, 3, 12}};
  const std::vector<SkinRun> empty = {{4, 0, 4}};
  const std::vector<SkinRun> outside = {{0, 2, 31}};
  const std::vector<SkinRun> below = {{0, 2, 5}};
  EXPECT_FALSE(SkinRunsFit(overlapping, 30, 5));
  EXPECT_FALSE(SkinRunsFit(empty, 30, 5));
  EXPECT_FALSE(SkinRunsFit(outside, 30, 5));
  EXPECT_FALSE(SkinRunsFit(below, 30, 2));
}

// The program's skin: the outline the window is cut to, and the packed
// picture, built from the committed sources exactly as the build does.
class ProgramSkin : public testing::Test {
 protected:
  void SetUp() override {
    Picture picture;
    ASSERT_TRUE(ReadPng(TESSEL_ART_DIR "/skin.png", picture));
    ASSERT_EQ(picture.width, 766);
    ASSERT_EQ(picture.height, 579);
    bitmap = BmpRle8(picture);
    ASSERT_FALSE(bitmap.empty());
    Bytes text;
    ASSERT_TRUE(ReadFileBytes(TESSEL_ART_DIR "/skin-runs.txt", text));
    ASSERT_TRUE(SkinRunsParse(std::string(text.begin(), text.end()), runs));
    ASSERT_TRUE(SkinRunsFit(runs, 766, 579));
    for (const SkinRun& run : runs) rows[run.top].push_back(run);
  }

  bool Cut(int32_t x, int32_t y) const {
    const auto row = rows.find(y);
    if (row == rows.end()) return false;
    return std::ranges::any_of(row->second,
                               [&](const SkinRun& run) { return x >= run.left && x < run.right; });
  }

  Bytes bitmap;
  std::vector<SkinRun> runs;
  std::map<int32_t, std::vector<SkinRun>> rows;
};

TEST_F(ProgramSkin, OutlineHasItsThreePieces) {
  EXPECT_EQ(runs.size(), 335u);
  EXPECT_EQ(rows.rbegin()->first, 173);  // rows 174 to 578 are whole
  for (int32_t y = 0; y <= 173; ++y) {
    const auto& row = rows[y];
    const size_t pieces = 1 + (y <= 140) + (y >= 36 && y <= 55);
    ASSERT_EQ(row.size(), pieces) << "row " << y;
    EXPECT_EQ(row.front().left, 0);
    if (y <= 140) {
      EXPECT_EQ(row.back().right, 766);
    }
    if (y == 36 || y == 55) {
      EXPECT_EQ(row[1].right - row[1].left, y == 36 ? 48 : 3);
    }
  }
  // The left outline slants down to the panels' left edge.
  EXPECT_GT(rows[0].front().right, rows[173].front().right + 200);
}

TEST_F(ProgramSkin, GadgetsLieInsideTheWindow) {
  // x, y, width, height of the minimise and close buttons, the pictures,
  // and a corner cell of the grid.
  const int32_t gadgets[][4] = {{632, 63, 16, 16}, {659, 78, 16, 16}, {16, 190, 142, 190},
                                {18, 522, 135, 35}, {181, 193, 30, 30}, {585, 389, 155, 22}};
  // cppcheck-suppress constVariable ; already a const row of the table
  for (const auto& g : gadgets) {
    for (int32_t y = g[1]; y < g[1] + g[3]; ++y) {
      for (int32_t x = g[0]; x < g[0] + g[2]; ++x) ASSERT_FALSE(Cut(x, y)) << x << ", " << y;
    }
  }
}

TEST_F(ProgramSkin, PacksToAtMostHalfAndBack) {
  const Bytes block = SkinBlockBuild(bitmap, runs);
  EXPECT_LE(I32(block, SKIN_PACKED_SIZE_OFFSET) * 2, I32(block, SKIN_PICTURE_SIZE_OFFSET));
  Bytes picture;
  std::vector<SkinRun> back;
  ReadBlock(block, picture, back);
  EXPECT_EQ(picture, bitmap);
  EXPECT_EQ(back.size(), 335u);
  EXPECT_EQ(block.size(), SKIN_PICTURE_OFFSET + static_cast<size_t>(I32(block, SKIN_PACKED_SIZE_OFFSET)) + 4 + 2010);
}

}  // namespace
