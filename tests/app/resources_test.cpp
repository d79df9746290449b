// The built program's resources as the platform reads them: the version
// information and the icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

// A host path as the platform takes it: "/work/..." becomes "Z:\work\...".
std::string PlatformPath(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

const std::string EXE = PlatformPath(TESSEL_EXE);

std::string StringValue(const std::vector<char>& info, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string query = std::string(R"(\StringFileInfo\040904B0\)") + name;
  if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return "(none)";
  }
  return value;
}

TEST(ProgramResources, VersionInformationNamesTheProgramAndItsVersion) {
  const DWORD size = GetFileVersionInfoSizeA(EXE.c_str(), nullptr);
  ASSERT_GT(size, 0u) << EXE;
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(EXE.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(62, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(62, 1));

  EXPECT_EQ(StringValue(info, "FileVersion"), "1.62");
  EXPECT_EQ(StringValue(info, "ProductVersion"), "1.62");
  EXPECT_EQ(StringValue(info, "ProductName"), "Tessel SUDOKU");
  EXPECT_EQ(StringValue(info, "LegalCopyright"), "Copyright (c) 2006-2007 Tomas Vedral");
}

TEST(ProgramResources, HoldIconOneAndTheManifest) {
  HMODULE exe = LoadLibraryExA(EXE.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr) << EXE;
  HICON icon = LoadIconA(exe, MAKEINTRESOURCEA(1));
  EXPECT_NE(icon, nullptr);
  HRSRC manifest = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(exe, manifest)));
  const std::string xml(text, SizeofResource(exe, manifest));
  EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(xml.find("6595b64144ccf1df"), std::string::npos);
  FreeLibrary(exe);
}

}  // namespace
