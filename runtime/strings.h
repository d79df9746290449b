// Text variables and the temporary-string area.
//
// A text variable owns one exact-size block on the main heap; null reads as
// the empty text. Expressions are built in the temporary-string area: every
// operation that produces text writes it at `top` and moves `top` past it, so
// the results of one statement stay valid together. A TempScope around the
// statement puts `top` back, and nothing on the heap is touched meanwhile.
// Positions are 1-based; comparisons and searches are byte-wise.
#pragma once

#include <cstdint>

inline constexpr int32_t TEMP_STRING_AREA_SIZE = 64000;

bool TempStringAreaCreate();
void TempStringAreaRelease();

// Bytes of the area in use; 0 between statements.
int32_t TempStringAreaUsed();

// Puts `top` back where it stood when the scope began.
class TempScope {
 public:
  TempScope();
  ~TempScope();
  TempScope(const TempScope&) = delete;
  TempScope& operator=(const TempScope&) = delete;

 private:
  char* saved_;
};

// Builds one text at `top` piece by piece. While it is open no other text
// may be produced: pass finished texts to Append.
class TempText {
 public:
  TempText();
  ~TempText() = default;
  TempText(const TempText&) = delete;
  TempText& operator=(const TempText&) = delete;
  void Append(const char* text);
  // Terminates the text, moves `top` past it and returns it.
  const char* Finish();

 private:
  char* start_;
  char* end_;
};

// Room for `bytes` bytes at `top`, for a producer that writes there itself
// (reading a gadget's text); TempCommit then keeps what it wrote.
char* TempReserve(int32_t bytes);
const char* TempCommit(char* text);
// Like TempCommit for a producer that knows where its text ends.
const char* TempKeep(char* text, char* end);
// Writes the decimal digits of n (no terminator) and returns the end.
char* StrWriteInt(char* out, int32_t n);

void StrFree(char* block);

// A string variable: null is the empty text.
class Text {
 public:
  Text() = default;
  ~Text() { StrFree(block_); }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;

  // NOLINTNEXTLINE(google-explicit-constructor): a variable reads as its text
  operator const char*() const { return block_; }
  const char* Get() const { return block_; }

  friend void StrAssign(Text& var, const char* value);
  friend void StrSet(Text& var, const char* literal);

 private:
  char* block_ = nullptr;
};

// Stores a copy of value (which may be var's own text) in an exact-size block.
void StrAssign(Text& var, const char* value);
// Frees var and, for a non-null literal, stores a copy of it.
void StrSet(Text& var, const char* literal);

int32_t StrLen(const char* s);
const char* StrLeft(const char* s, int32_t n);
const char* StrMid(const char* s, int32_t start, int32_t count);
int32_t StrFind(const char* s, const char* find, int32_t start);
const char* StrRemove(const char* s, const char* find);
const char* StrFromInt(int32_t n);
int32_t StrToInt(const char* s);
int32_t StrEqual(const char* a, const char* b);

// Concatenation of its pieces, left to right.
template <typename... Pieces>
const char* StrJoin(const Pieces&... pieces) {
  TempText text;
  (text.Append(pieces), ...);
  return text.Finish();
}
