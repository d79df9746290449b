// Building the skin block from the skin picture and its run table.
#include "tools/picture/skin_block.h"

#include <algorithm>
#include <sstream>

#include "gui/skin_format.h"
#include "tools/packer/packer.h"

bool SkinRunsParse(const std::string& text, std::vector<SkinRun>& runs) {
  runs.clear();
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#') continue;
    std::istringstream fields(line);
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    std::string rest;
    if (!(fields >> left >> top >> right) || (fields >> rest)) return false;
    if (left < INT16_MIN || right > INT16_MAX || top < INT16_MIN || top > INT16_MAX) return false;
    runs.push_back({static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right)});
  }
  return true;
}

bool SkinRunsFit(const std::vector<SkinRun>& runs, int32_t width, int32_t height) {
  std::vector<SkinRun> sorted = runs;
  std::sort(sorted.begin(), sorted.end(), [](const SkinRun& a, const SkinRun& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
  });
  for (size_t i = 0; i < sorted.size(); ++i) {
    const SkinRun& run = sorted[i];
    if (run.left < 0 || run.left >= run.right || run.right > width) return false;
    if (run.top < 0 || run.top + SKIN_BLOCK_RUN_HEIGHT > height) return false;
    if (i > 0 && sorted[i - 1].top == run.top && sorted[i - 1].right > run.left) return false;
  }
  return true;
}

// The signature field: the line, then CR LF.
static_assert(SKIN_SIGNATURE_OFFSET + sizeof SKIN_SIGNATURE - 1 + 2 == SKIN_PICTURE_OFFSET);

Bytes SkinBlockBuild(const Bytes& picture, const std::vector<SkinRun>& runs) {
  const Bytes packed = PackStream(picture.data(), picture.size());
  Bytes block;
  block.push_back(static_cast<uint8_t>(SKIN_BLOCK_RUN_HEIGHT));
  block.push_back(static_cast<uint8_t>(SKIN_BLOCK_PACKED_FLAG));
  PutLE(block, static_cast<uint32_t>(picture.size()), 4);
  PutLE(block, static_cast<uint32_t>(packed.size()), 4);
  block.insert(block.end(), SKIN_SIGNATURE, SKIN_SIGNATURE + sizeof SKIN_SIGNATURE - 1);
  block.insert(block.end(), {13, 10});
  block.insert(block.end(), packed.begin(), packed.end());
  PutLE(block, static_cast<uint32_t>(runs.size() * SKIN_RUN_SIZE), 4);
  for (const SkinRun& run : runs) {
    PutLE(block, static_cast<uint16_t>(run.left), 2);
    PutLE(block, static_cast<uint16_t>(run.top), 2);
    PutLE(block, static_cast<uint16_t>(run.right), 2);
  }
  return block;
}
