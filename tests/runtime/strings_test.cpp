// Text operations: boundary results, the text area's discipline, and the
// ownership of variable blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/memory.h"
#include "runtime/strings.h"

namespace {

// Results live in the text area; copy them out before the scope ends.
std::string S(const char* text) { return text ? text : "<null>"; }

TEST(Strings, LeftAndMidClampTheirRanges) {
  TempScope scope;
  EXPECT_EQ(S(StrLeft("123456789", 0)), "");
  EXPECT_EQ(S(StrLeft("123456789", -1)), "");
  EXPECT_EQ(S(StrLeft("123456789", 3)), "123");
  EXPECT_EQ(S(StrLeft("abc", 40)), "abc");
  EXPECT_EQ(S(StrLeft(nullptr, 4)), "");

  EXPECT_EQ(S(StrMid("123456789", 10, 1)), "");
  EXPECT_EQ(S(StrMid("123456789", 20, 1)), "");
  EXPECT_EQ(S(StrMid("123456789", 0, 1)), "1");
  EXPECT_EQ(S(StrMid("123456789", -5, 2)), "12");
  EXPECT_EQ(S(StrMid("123456789", 9, 5)), "9");
  EXPECT_EQ(S(StrMid("123456789", 4, 0)), "");
  EXPECT_EQ(S(StrMid("123456789", 4, -2)), "");
  EXPECT_EQ(S(StrMid(nullptr, 1, 1)), "");
}

TEST(Strings, FindFollowsItsStartAndNullRules) {
  EXPECT_EQ(StrFind("123456789", "5", 1), 5);
  EXPECT_EQ(StrFind("12345678", "9", 1), 0);
  EXPECT_EQ(StrFind("123456789", "1", 10), 0);  // one past the last character
  EXPECT_EQ(StrFind("", "5", 1), 0);
  EXPECT_EQ(StrFind("abcabc", "bc", 3), 5);
  EXPECT_EQ(StrFind("abcabc", "bc", 0), 2);
  EXPECT_EQ(StrFind("abcabc", "bc", -3), 2);
  EXPECT_EQ(StrFind("aab", "ab", 1), 2);  // a failed partial match moves on
  EXPECT_EQ(StrFind("abc", "abcd", 1), 0);
  EXPECT_EQ(StrFind("abc", "", 2), 2);   // an empty find is found at once
  EXPECT_EQ(StrFind("abc", "", -1), 1);
  EXPECT_EQ(StrFind("abc", "", 4), 4);
  EXPECT_EQ(StrFind("abc", "", 6), 0);   // fewer than start - 1 characters
  EXPECT_EQ(StrFind(nullptr, "", 1), 0);
  EXPECT_EQ(StrFind("abc", nullptr, 1), 0);
  EXPECT_EQ(StrFind("aAa", "A", 1), 2);  // case-sensitive
}

TEST(Strings, RemoveScansWithoutOverlap) {
  TempScope scope;
  EXPECT_EQ(S(StrRemove("123456789", "5")), "12346789");
  EXPECT_EQ(S(StrRemove("aaa", "aa")), "a");
  EXPECT_EQ(S(StrRemove("5155", "5")), "1");
  EXPECT_EQ(S(StrRemove("AbA", "a")), "AbA");
  EXPECT_EQ(S(StrRemove("", "5")), "");
  EXPECT_EQ(S(StrRemove(nullptr, "5")), "");
}

TEST(Strings, NumberConversions) {
  TempScope scope;
  EXPECT_EQ(S(StrFromInt(0)), "0");
  EXPECT_EQ(S(StrFromInt(-12)), "-12");
  EXPECT_EQ(S(StrFromInt(INT32_MIN)), "-2147483648");
  EXPECT_EQ(S(StrFromInt(INT32_MAX)), "2147483647");
  EXPECT_EQ(S(StrFromInt(int8_t{-128})), "-128");

  struct Case { const char* text; int32_t value; };
  const Case cases[] = {
      {"  42", 42}, {"-7", -7}, {"", 0}, {nullptr, 0}, {"a1", 0}, {"+5", 5},
      {"- 5", 0}, {"12abc", 12}, {"3.9", 3}, {"\t4", 0}, {"--1", 0},
      {"4294967297", 1}, {"-2147483648", INT32_MIN}, {"2147483648", INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << S(c.text);
}

TEST(Strings, EqualTreatsNullAsEmpty) {
  Text unset;
  EXPECT_EQ(StrEqual(unset, ""), 1);
  EXPECT_EQ(StrEqual(nullptr, nullptr), 1);
  EXPECT_EQ(StrEqual("ab", "ab"), 1);
  EXPECT_EQ(StrEqual("ab", "abc"), 0);
  EXPECT_EQ(StrEqual("ab", "aB"), 0);
  EXPECT_EQ(StrLen(unset), 0);
}

TEST(Strings, ScopePutsTopBackAndResultsOfOneStatementCoexist) {
  ASSERT_EQ(TempStringAreaUsed(), 0);
  {
    TempScope scope;
    const char* left = StrLeft("hello", 2);
    const char* number = StrFromInt(1234);
    const char* joined = StrJoin("Solved in ", number, " ms by ", left);
    EXPECT_EQ(S(joined), "Solved in 1234 ms by he");
    EXPECT_EQ(S(left), "he");
    EXPECT_GT(TempStringAreaUsed(), 0);
  }
  EXPECT_EQ(TempStringAreaUsed(), 0);
}

TEST(Strings, AssignmentOwnsOneExactBlockAndSurvivesSelfReference) {
  const int32_t before = MainHeapBlockCount();
  {
    Text candidates;
    StrSet(candidates, "123456789");
    EXPECT_EQ(MainHeapBlockCount(), before + 1);
    for (const char* digit : {"5", "1", "9"}) {
      TempScope scope;
      StrAssign(candidates, StrRemove(candidates, digit));
    }
    EXPECT_EQ(S(candidates), "234678");
    StrAssign(candidates, candidates.Get());  // the very same block
    EXPECT_EQ(S(candidates), "234678");
    EXPECT_EQ(MainHeapBlockCount(), before + 1);
    StrSet(candidates, nullptr);
    EXPECT_EQ(candidates.Get(), nullptr);
    EXPECT_EQ(MainHeapBlockCount(), before);
    StrSet(candidates, "");
    EXPECT_EQ(S(candidates), "");  // the empty text still has a block
  }
  EXPECT_EQ(MainHeapBlockCount(), before);
  EXPECT_EQ(TempStringAreaUsed(), 0);
}

TEST(Strings, ReservedOutputIsKeptByCommit) {
  TempScope scope;
  char* out = TempReserve(32000);
  memcpy(out, "typed", 6);
  const char* kept = TempCommit(out);
  const char* after = StrFromInt(7);
  EXPECT_EQ(S(kept), "typed");
  EXPECT_EQ(S(after), "7");
  EXPECT_EQ(after, kept + 6);
}

// On Windows the stop shows a message box first, which waits for a person;
// the check of the room is the same code in both trees.
#ifndef _WIN32
TEST(StringsDeathTest, OverflowingTheAreaStopsCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        TempScope scope;
        for (int i = 0; i < TEMP_STRING_AREA_SIZE; ++i) StrFromInt(123456);
      },
      "ran out of room");
}
#endif

}  // namespace
