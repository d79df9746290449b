// Text operations: boundary results, the text area's discipline, and the
// ownership of variable blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "runtime/memory.h"
#include "runtime/strings.h"

namespace {

// The Windows build reports a stop in a message box that waits for a click,
// so stops are checked in the native build only.
void ExpectOutOfRoom([[maybe_unused]] const std::function<void()>& statement) {
#ifndef _WIN32
  EXPECT_DEATH(statement(), "out of room");
#endif
}

// Keeps a text that fills the area but for `bytes`.
void LeaveRoom(int32_t bytes) {
  const int32_t fill = TEMP_STRING_AREA_SIZE - TempStringAreaUsed() - bytes;
  char* text = TempReserve(fill);
  memset(text, 'x', size_t(fill) - 1);
  text[fill - 1] = '\0';
  TempCommit(text);
}

}  // namespace

// Results of one statement coexist in the text area until the scope ends.
TEST(Strings, ResultsAtTheirBoundaries) {
  TempScope scope;
  const char* const s = "123456789";
  const struct { const char* got; const char* want; } cases[] = {
      {StrLeft(s, 0), ""}, {StrLeft(s, -1), ""}, {StrLeft(s, 3), "123"}, {StrLeft("ab", 40), "ab"},
      {StrLeft(nullptr, 4), ""}, {StrMid(s, 20, 1), ""}, {StrMid(s, 10, 1), ""},
      {StrMid(s, 9, 5), "9"}, {StrMid(s, -5, 2), "12"}, {StrMid(s, 4, 2), "45"},
      {StrMid(s, 4, 0), ""}, {StrMid(s, 4, 1), "4"}, {StrMid(nullptr, 1, 1), ""}, {StrRemove(s, "5"), "12346789"},
      {StrRemove("aaa", "aa"), "a"}, {StrRemove("5155", "5"), "1"}, {StrRemove("AbA", "a"), "AbA"},
      {StrRemove(nullptr, "5"), ""}, {StrRemove("abc", ""), "abc"}, {StrFromInt(0), "0"}, {StrFromInt(-1), "-1"},
      {StrFromInt(INT32_MIN), "-2147483648"}, {StrFromInt(INT32_MAX), "2147483647"},
      {StrJoin("Solved in ", StrFromInt(1234), " ms", nullptr, "!"), "Solved in 1234 ms!"},
  };
  for (const auto& c : cases) EXPECT_STREQ(c.got, c.want);
  const struct { int32_t got, want; } numbers[] = {
      {StrFind(s, "5", 1), 5}, {StrFind(s, "1", 10), 0}, {StrFind("abcabc", "bc", 3), 5},
      {StrFind("abcabc", "bc", -3), 2}, {StrFind("aab", "ab", 1), 2},
      {StrFind("abcab", "ab", 2), 4}, {StrFind("abc", "abcd", 1), 0}, {StrFind("abc", "", 2), 2},
      {StrFind("abc", "", 4), 4}, {StrFind("abc", "b", 0), 2}, {StrFind("abc", "", 0), 1}, {StrFind("abc", "", 5), 0}, {StrFind(nullptr, "", 1), 0},
      {StrFind("abc", nullptr, 1), 0}, {StrFind("aAa", "A", 1), 2}, {StrToInt("  42"), 42},
      {StrToInt("-7"), -7}, {StrToInt(nullptr), 0}, {StrToInt("+5"), 5}, {StrToInt("- 5"), 0},
      {StrToInt("90abc"), 90}, {StrToInt("\t4"), 0}, {StrToInt("4294967297"), 1},
      {StrToInt("-2147483648"), INT32_MIN}, {StrToInt("2147483648"), INT32_MIN},
      {StrEqual(nullptr, ""), 1}, {StrEqual("ab", "ab"), 1}, {StrEqual("ab", "abc"), 0},
      {StrEqual("ab", "aB"), 0}, {StrLen(nullptr), 0}, {StrLen("abc"), 3},
  };
  for (const auto& n : numbers) EXPECT_EQ(n.got, n.want) << "case " << &n - numbers;
}

TEST(Strings, ScopeAndAssignment) {
  const int32_t before = MainHeapBlockCount();
  {
    Text candidates;
    StrSet(candidates, "123456789");
    {
      TempScope scope;
      StrAssign(candidates, StrRemove(StrRemove(candidates, "1"), "9"));
    }
    StrAssign(candidates, candidates.Get());  // the very same block
    EXPECT_TRUE(StrEqual(candidates, "2345678") && MainHeapBlockCount() == before + 1 &&
                TempStringAreaUsed() == 0);
    StrSet(candidates, nullptr);
    EXPECT_TRUE(candidates.Get() == nullptr && MainHeapBlockCount() == before);
    StrSet(candidates, "");
    EXPECT_STREQ(candidates, "");  // the empty text still has a block
  }
  EXPECT_EQ(MainHeapBlockCount(), before);
}

// Each writer fits into exactly the room it needs, its text's end included,
// and stops the program when one byte less is left.
TEST(Strings, EachWriterNeedsItsTextAndItsEnd) {
  const struct { int32_t need; void (*write)(); } writers[] = {
      {5, [] { StrLeft("abcd", 4); }},      {5, [] { StrMid("abcd", 1, 4); }},
      {1, [] { StrMid("abcd", 2, 0); }},    {5, [] { StrRemove("abcd", ""); }},
      {5, [] { StrRemove("abcd", nullptr); }}, {5, [] { StrJoin("ab", "cd"); }},
      {1, [] { StrJoin(nullptr); }},        {12, [] { StrFromInt(INT32_MIN); }},
      {1, [] { StrRemove(nullptr, "5"); }}, {1, [] { StrLeft("abcd", 0); }},
      {0, [] { TempReserve(0); }},          {1, [] { TempReserve(1); }},
  };
  for (const auto& w : writers) {
    const auto writeInto = [&](int32_t room) {
      TempScope scope;
      LeaveRoom(room);
      w.write();
    };
    writeInto(w.need);
    if (w.need > 0) ExpectOutOfRoom([&] { writeInto(w.need - 1); });
  }
}
