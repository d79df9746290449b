// The platform layers with real windows, for what the program's own windows
// never show: the rules every numbered object follows and what shutdown
// releases (the tooltip control too), the text area's limit, a tooltip set
// again and gone with its gadget, exact image pixels, and the help viewer
// each file goes to. The rest of these layers is tested through the program
// itself.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "gui/gadget.h"
#include "gui/startup.h"
#include "gui/window.h"
#include "runtime/files.h"
#include "runtime/fonts.h"
#include "runtime/help_viewers.h"
#include "runtime/images.h"
#include "runtime/memory.h"
#include "runtime/messages.h"
#include "runtime/strings.h"
#include "tests/runtime/bmp_builder.h"

namespace {

constexpr uint32_t HIDDEN = WS_POPUP | WINDOW_HIDDEN;

// Colours with every component 0 or 255 survive any display depth. Runs of
// several lengths, broken by a diagonal of single pixels.
const std::vector<uint32_t> PALETTE = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                       0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
uint32_t Index(int32_t x, int32_t y) { return x == y ? 1 : (x / 4 + y / 5) % 8; }
uint32_t Colour(int32_t x, int32_t y) { return PALETTE[Index(x, y)]; }

// The layer's one tooltip control, a window of this thread.
HWND ThreadTooltip() {
  HWND tooltip = nullptr;
  do tooltip = FindWindowExA(nullptr, tooltip, TOOLTIPS_CLASSA, nullptr);
  while (tooltip && GetWindowThreadProcessId(tooltip, nullptr) != GetCurrentThreadId());
  return tooltip;
}

bool IsLiveWindow(void* handle) { return IsWindow(static_cast<HWND>(handle)); }
bool IsLiveObject(void* handle) { return GetObjectType(handle) != 0; }

TEST(Layers, NumberedObjectsAreReplacedAndFreedByNumberAndReleasedAtShutdown) {
  const bmp_builder::Bytes picture = bmp_builder::Make24(2, 2, Colour);
  GadgetListOpen(WindowOpen(1, 10, 20, 200, 100, HIDDEN, ""));
  const struct {
    const char* name;
    std::function<void*(int32_t)> make, handle;  // fonts have no handle by number
    std::function<void(int32_t)> free;
    bool (*alive)(void*);
  } kinds[] = {
      {"window", [](int32_t n) { return WindowOpen(n, 0, 0, 50, 50, HIDDEN, ""); }, WindowHandle,
       WindowClose, IsLiveWindow},
      {"gadget", [](int32_t n) { return ButtonCreate(n, 0, 0, 50, 20, ""); }, GadgetHandle,
       GadgetFree, IsLiveWindow},
      {"font", [](int32_t n) { return FontLoad(n, "Arial", 10); }, nullptr, FontFree, IsLiveObject},
      {"image", [&](int32_t n) { return ImageLoadFromMemory(n, picture.data()); }, ImageUse,
       ImageFree, IsLiveObject},
  };
  for (const auto& kind : kinds) {
    for (int32_t n : {7, 500}) {  // 500: beyond every table's first size
      void* old = kind.make(n);
      void* fresh = kind.make(n);
      EXPECT_TRUE(old && !kind.alive(old) && kind.alive(fresh)) << kind.name << n;
      EXPECT_TRUE(!kind.handle || kind.handle(n) == fresh) << kind.name << n;
      kind.free(n);
      EXPECT_FALSE(kind.alive(fresh)) << kind.name << n;
    }
    EXPECT_EQ(kind.make(-1), nullptr) << kind.name;
    for (int32_t n : {7, 501, 5000, -1}) {  // free numbers: nothing to free, nothing held
      kind.free(n);
      EXPECT_TRUE(!kind.handle || !kind.handle(n)) << kind.name << n;
    }
  }
  // A free gadget number reads as empty (the restart below clears the text area).
  EXPECT_STREQ(GadgetGetText(5000), "");
  EXPECT_EQ(GadgetGetState(-1), 0);
  std::vector<void*> held;
  for (const auto& kind : kinds) held.push_back(kind.make(0));  // 0: the first record
  GadgetSetTooltip(0, "tip");
  HWND tooltip = ThreadTooltip();
  EXPECT_TRUE(FileOpenReadWrite(777, "shutdown.tmp"));
  RuntimeStop();
  for (size_t i = 0; i < held.size(); ++i) {
    EXPECT_TRUE(held[i] && !kinds[i].alive(held[i])) << kinds[i].name;
  }
  EXPECT_TRUE(tooltip && !IsWindow(tooltip)) << "the tooltip control";
  EXPECT_TRUE(DeleteFileA("shutdown.tmp"));  // closed: while open, it shares no deleting
  MainHeapDestroy();
  ASSERT_TRUE(RuntimeStart(GetModuleHandleA(nullptr)));
}

TEST(Gadgets, TheTextAreaTakes31999CharactersAndATipSetAgainHasItsLastTextTillItsGadgetGoes) {
  HWND window = GadgetListOpen(WindowOpen(4, 10, 20, 200, 100, HIDDEN, ""));
  SetWindowTextA(LabelCreate(120, 10, 10, 100, 20, "", 0), std::string(40000, 'x').c_str());
  TempScope scope;
  EXPECT_EQ(StrLen(GadgetGetText(120)), 31999);
  EXPECT_EQ(TempStringAreaUsed(), 32000);

  HWND button = ButtonCreate(100, 10, 10, 80, 30, "tip");
  GadgetSetTooltip(100, "first");
  GadgetSetTooltip(100, "second");
  HWND tooltip = ThreadTooltip();
  ASSERT_TRUE(tooltip);
  char text[80] = "";
  TTTOOLINFOA tool = {static_cast<UINT>(TTTOOLINFOA_V1_SIZE), 0, window,
                      reinterpret_cast<UINT_PTR>(button), {}, nullptr, text, 0, nullptr};
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "second");
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  GadgetFree(100);
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
  WindowCloseAll();
}

// Pixels of the bitmap that differ from Colour, read back as 0xRRGGBB.
int32_t WrongPixels(HBITMAP bitmap, int32_t width, int32_t height) {
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS), height);
  DeleteDC(dc);
  int32_t wrong = 0;
  for (int32_t i = 0; i < width * height; ++i) {
    wrong += (pixels[i] & 0xFFFFFF) != Colour(i % width, i / width);
  }
  return wrong;
}

TEST(Images, BmpDataBecomesABitmapWithExactlyItsPixelsAndRefusedDataLeavesItInPlace) {
  constexpr int32_t WIDTH = 26;  // 24-bit rows of 78 bytes and 2 of padding
  constexpr int32_t HEIGHT = 13;
  const bmp_builder::Bytes cases[] = {bmp_builder::MakeRle8(WIDTH, HEIGHT, PALETTE, Index),
                                      bmp_builder::Make24(WIDTH, HEIGHT, Colour),
                                      bmp_builder::Make24(WIDTH, HEIGHT, Colour, true)};
  HBITMAP last = nullptr;
  for (const bmp_builder::Bytes& data : cases) {
    last = ImageLoadFromMemory(6, data.data());
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(std::pair(ImageWidth(), ImageHeight()), std::pair(WIDTH, HEIGHT));
    EXPECT_EQ(WrongPixels(last, WIDTH, HEIGHT), 0) << data[28];  // bits a pixel
  }
  const void* const refused[] = {nullptr, "not a picture"};
  for (const void* data : refused) EXPECT_EQ(ImageLoadFromMemory(6, data), nullptr);
  EXPECT_EQ(ImageUse(6), last);
  ImageFree(6);
  EXPECT_EQ(ImageWidth(), 0);  // the current image went with it
}

std::string helpCall;  // the last request: "viewer|file or location|command|data"
const HWND HTML_VIEWER = reinterpret_cast<HWND>(0x5150);

BOOL WINAPI RecordClassic(HWND /*owner*/, LPCSTR file, UINT command, ULONG_PTR data) {
  helpCall = std::string("classic|") + (file ? file : "-") + "|" + std::to_string(command) + "|" +
             (command == HELP_KEY ? reinterpret_cast<const char*>(data) : std::to_string(data));
  return TRUE;
}

HWND WINAPI RecordHtml(HWND /*owner*/, LPCSTR location, UINT command, DWORD_PTR data) {
  helpCall = std::string("html|") + (location ? location : "-") + "|" + std::to_string(command) +
             "|" + std::to_string(data);
  return HTML_VIEWER;
}

TEST(Help, TheExtensionChoosesTheViewerAndClosingAsksTheOneUsedLast) {
  const HelpViewers platform = HelpViewersReplace({RecordClassic, RecordHtml});
  EXPECT_NE(platform.html, nullptr);  // Windows and Wine both have the HTML help library
  const std::string longest(2007 - 12, 'x');  // 12: "guide.chm::/"
  const std::string tooLong = longest + "x";
  const std::tuple<const char*, const char*, std::string> cases[] = {
      {"tesselsudoku.Hlp", "", "classic|tesselsudoku.Hlp|3|0"},  // the contents
      {".hlp", "History", "html|.hlp::/History|0|0"},  // an extension alone is no file
      {"guide.chm", "", "html|guide.chm|0|0"},
      {"guide.chm", longest.c_str(), "html|guide.chm::/" + longest + "|0|0"},
      {"guide.chm", tooLong.c_str(), ""},  // longer than the library takes
      {nullptr, "History", ""},
  };
  for (const auto& [file, topic, call] : cases) {
    helpCall.clear();
    const HWND viewer = ShowHelpTopic(file, topic);
    EXPECT_EQ(helpCall, call) << (file ? file : "-") << " " << (topic ? topic : "-");
    EXPECT_EQ(viewer, call.rfind("html", 0) == 0 ? HTML_VIEWER : nullptr) << call;
  }
  ShowHelpTopic("tesselsudoku.hlp", "History");
  CloseHelpViewer();
  EXPECT_EQ(helpCall, "classic|-|2|0");  // quit
  ShowHelpTopic("guide.chm", "History");
  HelpLayerStop();
  EXPECT_EQ(helpCall, "html|-|18|0");  // close all
  HelpViewersReplace({RecordClassic, nullptr});  // without the library no viewer is asked
  EXPECT_EQ(ShowHelpTopic("guide.chm", "History"), nullptr);
  CloseHelpViewer();
  EXPECT_EQ(helpCall, "html|-|18|0");
  HelpViewersReplace(platform);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (!RuntimeStart(GetModuleHandleA(nullptr))) return 2;
  return RUN_ALL_TESTS();
}
