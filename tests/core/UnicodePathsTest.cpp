// Folders and files whose names hold Chinese and Japanese characters (a player's user name, a game
// folder), named by the UTF-8 text the program keeps; on Windows also the real registry and a file
// another program holds open.
#include <gtest/gtest.h>

#include <fstream>

#include "core/app/PlatformFolders.h"
#include "core/app/Settings.h"
#include "core/data/PathText.h"
#include "core/data/SafeFileWrite.h"
#include "support/TempFolder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tavlor {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// 信長の野望 ユーザー as UTF-8, written out byte by byte.
const std::string kFolderName =
    "\xE4\xBF\xA1\xE9\x95\xB7\xE3\x81\xAE\xE9\x87\x8E\xE6\x9C\x9B "
    "\xE3\x83\xA6\xE3\x83\xBC\xE3\x82\xB6\xE3\x83\xBC";

TEST(UnicodePathsTest, TextBecomesThePathOfThatNameAndBackWhole) {
  TempFolder folder;
  const std::string text = TextOfPath(folder.Path()) + "/" + kFolderName;
  const fs::path path = PathFromText(text);
  ASSERT_TRUE(fs::create_directories(path));
  EXPECT_EQ(TextOfPath(path), text);
  // The folder's name as the file system lists it is the same nine characters.
  bool listed = false;
  for (const auto& entry : fs::directory_iterator(folder.Path()))
    listed = listed || TextOfPath(entry.path().filename()) == kFolderName;
  EXPECT_TRUE(listed);
}

TEST(UnicodePathsTest, SavingAndSettingsWorkInsideSuchAFolder) {
  TempFolder folder;
  const fs::path game = PathFromText(TextOfPath(folder.Path()) + "/" + kFolderName);
  fs::create_directories(game);
  const fs::path file = game / "EDATA000.13S";
  WriteFileBytes(file, "old bytes");
  ASSERT_FALSE(ReplaceFileSafely(file, "new bytes"));
  EXPECT_EQ(ReadFileBytes(file), "new bytes");
  EXPECT_EQ(ReadFileBytes(BackupPathOf(file)), "old bytes");

  WriteFileBytes(game / "Set.ini", "; first line\nGAMEPATH=" + kFolderName + "\\\n");
  const auto value = GetIniValue(TextOfPath(game / "Set.ini"), "GAMEPATH", {});
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, kFolderName + "\\");
}

TEST(UnicodePathsTest, SettingsTextIsReadAsUtf8OnlyWhenItIsUtf8) {
  EXPECT_TRUE(IsValidUtf8(kFolderName));
  EXPECT_TRUE(IsValidUtf8("C:\\Games\\"));
  EXPECT_FALSE(IsValidUtf8("\x90\x4D\x92\xB7"));  // 信長 in Shift-JIS
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // an overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xE4\xBF"));          // cut short
  EXPECT_EQ(SettingsTextAsUtf8(kFolderName), kFolderName);
#ifndef _WIN32
  EXPECT_EQ(SettingsTextAsUtf8("\x90\x4D"), "\x90\x4D");
#endif
}

#ifdef _WIN32

// A key of the test's own under HKEY_CURRENT_USER, removed at the end.
class RegistryTest : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kKey = L"Software\\TavlorTest\\Install";
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TavlorTest");
  }
  void SetValue(const wchar_t* name, DWORD type, const std::wstring& text, bool withNul) {
    const DWORD bytes = static_cast<DWORD>((text.size() + (withNul ? 1 : 0)) * sizeof(wchar_t));
    ASSERT_EQ(RegSetValueExW(key_, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
              ERROR_SUCCESS);
  }
  std::string Read(const std::string& name) {
    return GetRegString(RegistryRoot::CurrentUser, "Software\\TavlorTest\\Install", name);
  }
  HKEY key_ = nullptr;
};

TEST_F(RegistryTest, StringValuesAreReadWithOrWithoutTheirNulAndInAnyScript) {
  SetValue(L"WithNul", REG_SZ, L"C:\\Games\\N13\\", true);
  SetValue(L"WithoutNul", REG_SZ, L"D:\\KOEI\\", false);
  // 信長 in the folder name.
  SetValue(L"Chinese", REG_SZ, L"C:\\\u4FE1\u9577\\", true);
  EXPECT_EQ(Read("WithNul"), "C:\\Games\\N13\\");
  EXPECT_EQ(Read("WithoutNul"), "D:\\KOEI\\");
  EXPECT_EQ(Read("Chinese"), "C:\\\xE4\xBF\xA1\xE9\x95\xB7\\");
}

TEST_F(RegistryTest, ExpandableStringsAreExpandedAndOtherTypesGiveNothing) {
  SetValue(L"Expand", REG_EXPAND_SZ, L"%SystemRoot%\\Games", true);
  const std::string expanded = Read("Expand");
  EXPECT_EQ(expanded.find('%'), std::string::npos) << expanded;
  EXPECT_TRUE(expanded.ends_with("\\Games")) << expanded;
  const DWORD number = 7;
  ASSERT_EQ(
      RegSetValueExW(key_, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
      ERROR_SUCCESS);
  EXPECT_EQ(Read("Number"), "");
  EXPECT_EQ(Read("Missing"), "");
  EXPECT_EQ(GetRegString(RegistryRoot::CurrentUser, "Software\\TavlorTest\\NoSuchKey", "WithNul"), "");
}

TEST(WindowsFoldersTest, DocumentsIsAnExistingFolderWithoutATrailingSeparator) {
  const std::string documents = GetMyDocPath();
  ASSERT_FALSE(documents.empty());
  EXPECT_NE(documents.back(), '\\');
  EXPECT_TRUE(fs::is_directory(PathFromText(documents))) << documents;
}

TEST(WindowsFoldersTest, AFileTheGameHoldsOpenIsNotReplacedAndStaysWhole) {
  TempFolder folder;
  const fs::path file = folder / "EDATA000.13S";
  WriteFileBytes(file, "the game's bytes");
  // The game keeps the file open without letting others delete or rename it.
  const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const FileError error =
      ReplaceFileSafely(file, "new bytes", BackupPolicy::KeepTheseBytes("the game's bytes"));
  CloseHandle(held);
  // Windows refuses to replace a file held this way (Wine may allow it): either way nothing is
  // lost, the file is whole, old or new, and a refusal says so.
  if (error) {
    EXPECT_EQ(ReadFileBytes(file), "the game's bytes");
  } else {
    EXPECT_EQ(ReadFileBytes(file), "new bytes");
    EXPECT_EQ(ReadFileBytes(BackupPathOf(file)), "the game's bytes");
  }
  std::size_t leftOver = 0;
  for (const auto& entry : fs::directory_iterator(folder.Path()))
    if (entry.path().filename() != "EDATA000.13S" && entry.path().filename() != "EDATA000.13S.bak")
      ++leftOver;
  EXPECT_EQ(leftOver, 0u) << "a temporary file was left behind";
}

#endif

}  // namespace
}  // namespace tavlor
