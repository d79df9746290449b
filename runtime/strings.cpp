// Text variables, the temporary-string area and the text operations.
#include "runtime/strings.h"

#include <cstring>

#include "runtime/fatal.h"
#include "runtime/memory.h"

namespace {

char* tempStringArea;
char* areaEnd;
char* top;

constexpr const char* AREA_FULL = "The program ran out of room for its texts and has to stop.";

// Every writer checks its room first: a text that would run past the area
// stops the program rather than overwrite the heap.
char* Reserve(size_t bytes) {
  if (static_cast<size_t>(areaEnd - top) < bytes) StopWithMessage(AREA_FULL);
  return top;
}

// Ends the text that begins at `text` at `end` and keeps it.
const char* Keep(const char* text, char* end) {
  *end = '\0';
  top = end + 1;
  return text;
}

const char* Copy(const char* s, size_t length) {
  char* out = Reserve(length + 1);
  memcpy(out, s, length);
  return Keep(out, out + length);
}

// Digits of n, written backwards from the end of a 12-byte buffer; returns
// the first character. Works on the unsigned magnitude so that the smallest
// 32-bit value needs no special case.
char* FormatInt(int32_t n, char (&buffer)[12]) {
  char* p = buffer + sizeof buffer;
  uint32_t magnitude = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (n < 0) *--p = '-';
  return p;
}

}  // namespace

bool TempStringAreaCreate() {
  tempStringArea = static_cast<char*>(MainHeapAlloc(TEMP_STRING_AREA_SIZE));
  top = tempStringArea;
  areaEnd = tempStringArea ? tempStringArea + TEMP_STRING_AREA_SIZE : nullptr;
  return tempStringArea != nullptr;
}

void TempStringAreaRelease() {
  MainHeapFree(tempStringArea);
  tempStringArea = top = areaEnd = nullptr;
}

int32_t TempStringAreaUsed() { return static_cast<int32_t>(top - tempStringArea); }

TempScope::TempScope() : saved_(top) {}

TempScope::~TempScope() { top = saved_; }

TempText::TempText() : start_(Reserve(1)), end_(start_) {}

void TempText::Append(const char* text) {
  if (!text) return;
  size_t length = strlen(text);
  // The text being built is not yet kept, so `top` still marks its start.
  if (static_cast<size_t>(areaEnd - end_) < length + 1) StopWithMessage(AREA_FULL);
  memcpy(end_, text, length);
  end_ += length;
}

const char* TempText::Finish() { return Keep(start_, end_); }

char* TempReserve(int32_t bytes) { return Reserve(bytes > 0 ? static_cast<size_t>(bytes) : 0); }

const char* TempCommit(char* text) { return Keep(text, text + strlen(text)); }

const char* TempKeep(char* text, char* end) { return Keep(text, end); }

char* StrWriteInt(char* out, int32_t n) {
  char buffer[12];
  char* first = FormatInt(n, buffer);
  auto length = static_cast<size_t>(buffer + sizeof buffer - first);
  memcpy(out, first, length);
  return out + length;
}

void StrFree(char* block) { MainHeapFree(block); }

void StrAssign(Text& var, const char* value) {
  // The new block is filled before the old one goes: value may be var itself.
  char* block = nullptr;
  if (value) {
    size_t size = strlen(value) + 1;
    block = static_cast<char*>(MainHeapAlloc(size));
    if (block) memcpy(block, value, size);
  }
  StrFree(var.block_);
  var.block_ = block;
}

void StrSet(Text& var, const char* literal) { StrAssign(var, literal); }

int32_t StrLen(const char* s) { return s ? static_cast<int32_t>(strlen(s)) : 0; }

const char* StrLeft(const char* s, int32_t n) {
  if (!s || n <= 0) return Copy("", 0);
  return Copy(s, strnlen(s, static_cast<size_t>(n)));
}

const char* StrMid(const char* s, int32_t start, int32_t count) {
  if (!s || count <= 0) return Copy("", 0);
  size_t skip = start <= 1 ? 0 : static_cast<size_t>(start - 1);
  size_t length = strnlen(s, skip);
  if (length < skip) return Copy("", 0);  // start lies beyond the last character
  return Copy(s + skip, strnlen(s + skip, static_cast<size_t>(count)));
}

int32_t StrFind(const char* s, const char* find, int32_t start) {
  if (!s || !find) return 0;
  int32_t base = start <= 0 ? 1 : start;
  const char* from = s;
  for (int32_t i = 1; i < base; ++i, ++from) {
    if (!*from) return 0;
  }
  if (!*find) return base;
  for (const char* candidate = from; *candidate; ++candidate) {
    const char* a = candidate;
    const char* b = find;
    while (*b && *a == *b) ++a, ++b;
    if (!*b) return static_cast<int32_t>(candidate - from) + base;
    if (!*a) return 0;  // s ended inside a partial match: no later start can fit
  }
  return 0;
}

const char* StrRemove(const char* s, const char* find) {
  size_t length = s ? strlen(s) : 0;
  size_t findLength = find ? strlen(find) : 0;
  char* out = Reserve(length + 1);
  char* end = out;
  for (const char* p = s; p && *p;) {
    if (findLength && strncmp(p, find, findLength) == 0) {
      p += findLength;
    } else {
      *end++ = *p++;
    }
  }
  return Keep(out, end);
}

const char* StrFromInt(int32_t n) {
  char buffer[12];
  char* first = FormatInt(n, buffer);
  return Copy(first, static_cast<size_t>(buffer + sizeof buffer - first));
}

int32_t StrToInt(const char* s) {
  if (!s) return 0;
  while (*s == ' ') ++s;
  bool negative = *s == '-';
  if (*s == '-' || *s == '+') ++s;
  uint32_t value = 0;
  for (; *s >= '0' && *s <= '9'; ++s) value = value * 10u + static_cast<uint32_t>(*s - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

int32_t StrEqual(const char* a, const char* b) {
  return strcmp(a ? a : "", b ? b : "") == 0 ? 1 : 0;
}
