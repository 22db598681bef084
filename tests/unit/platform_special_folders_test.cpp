#include <gtest/gtest.h>

#include <set>

#include "platform/special_folders.h"

namespace quellon {
namespace {

TEST(SpecialFolderKindsTest, KindsKeepTheirStoredPositions) {
  static_assert(sizeof(TSpecialFolder) == 1, "a byte-sized kind");
  EXPECT_EQ(kSpecialFolderKinds, 42);
  EXPECT_EQ(sfAdminTools, 0);
  EXPECT_EQ(sfAppData, 2);
  EXPECT_EQ(sfCommonMusic, 11);
  EXPECT_EQ(sfPersonal, 25);
  EXPECT_EQ(sfProgramFiles, 31);
  EXPECT_EQ(sfSystem, 38);
  EXPECT_EQ(sfWindows, 40);
  EXPECT_EQ(sfQuickLaunch, 41);
}

TEST(SpecialFolderKindsTest, EachShellKindHasItsOwnFolderNumber) {
  std::set<int> seen;
  for (int k = 0; k < sfQuickLaunch; ++k) {
    int csidl = SpecialFolderCsidl(static_cast<TSpecialFolder>(k));
    EXPECT_GT(csidl, 0) << "kind " << k;
    EXPECT_TRUE(seen.insert(csidl).second) << "kind " << k << " repeats " << csidl;
  }
  EXPECT_EQ(SpecialFolderCsidl(sfAppData), 0x1a);
  EXPECT_EQ(SpecialFolderCsidl(sfPersonal), 0x05);
  EXPECT_EQ(SpecialFolderCsidl(sfWindows), 0x24);
  EXPECT_EQ(SpecialFolderCsidl(sfQuickLaunch), -1);
  EXPECT_EQ(SpecialFolderCsidl(static_cast<TSpecialFolder>(42)), -1);
  EXPECT_EQ(SpecialFolderCsidl(static_cast<TSpecialFolder>(255)), -1);
}

TEST(SpecialFolderKindsTest, CommonFoldersArePerUserOutsideNt) {
  const struct {
    TSpecialFolder common, perUser;
  } kCases[] = {
      {sfCommonAltStartup, sfAltStartup},       {sfCommonDesktopDirectory, sfDesktopDirectory},
      {sfCommonFavorites, sfFavorites},         {sfCommonPrograms, sfPrograms},
      {sfCommonStartMenu, sfStartMenu},         {sfCommonStartup, sfStartup},
      {sfCommonTemplates, sfTemplates},         {sfProgramFilesCommon, sfProgramFiles},
  };
  std::set<int> replaced;
  for (const auto& c : kCases) {
    EXPECT_EQ(SpecialFolderForPlatform(c.common, false), c.perUser) << int(c.common);
    replaced.insert(c.common);
  }
  for (int k = 0; k < 256; ++k) {
    auto kind = static_cast<TSpecialFolder>(k);
    EXPECT_EQ(SpecialFolderForPlatform(kind, true), kind) << k;
    if (!replaced.count(k)) {
      EXPECT_EQ(SpecialFolderForPlatform(kind, false), kind) << k;
    }
  }
}

TEST(SpecialFolderKindsTest, FallbacksWhenAKindYieldsNoPath) {
  const struct {
    TSpecialFolder kind;
    FolderFallbackKind how;
    TSpecialFolder other;
  } kCases[] = {
      {sfCommonAdminTools, FolderFallbackKind::kOtherKind, sfAdminTools},
      {sfCommonAppData, FolderFallbackKind::kOtherKind, sfAppData},
      {sfCommonMusic, FolderFallbackKind::kOtherKind, sfMyMusic},
      {sfCommonPictures, FolderFallbackKind::kOtherKind, sfMyPictures},
      {sfCommonVideo, FolderFallbackKind::kOtherKind, sfMyVideo},
      {sfSystem, FolderFallbackKind::kSystemDirectory, sfSystem},
      {sfWindows, FolderFallbackKind::kWindowsDirectory, sfWindows},
  };
  std::set<int> withFallback;
  for (const auto& c : kCases) {
    FolderFallback f = SpecialFolderFallback(c.kind);
    EXPECT_EQ(f.how, c.how) << int(c.kind);
    if (c.how == FolderFallbackKind::kOtherKind) {
      EXPECT_EQ(f.kind, c.other) << int(c.kind);
    }
    withFallback.insert(c.kind);
  }
  for (int k = 0; k < 256; ++k) {
    if (!withFallback.count(k)) {
      EXPECT_EQ(SpecialFolderFallback(static_cast<TSpecialFolder>(k)).how,
                FolderFallbackKind::kNone)
          << k;
    }
  }
}

TEST(SpecialFolderKindsTest, ShortcutPlacesLookAtTheLowSevenBits) {
  const struct {
    int place;
    TSpecialFolder kind;
  } kCases[] = {
      {0, sfCommonStartMenu},   {1, sfCommonPrograms}, {2, sfCommonDesktopDirectory},
      {3, sfQuickLaunch},       {4, sfSendTo},         {5, sfStartMenu},
      {6, sfPrograms},          {7, sfDesktopDirectory},
      // Beyond 6 every place is the desktop; the high bit is ignored.
      {8, sfDesktopDirectory},  {127, sfDesktopDirectory}, {0x80, sfCommonStartMenu},
      {0x83, sfQuickLaunch},    {0x86, sfPrograms},        {255, sfDesktopDirectory},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(ShortcutPlaceFolder(static_cast<TShortcutPlace>(c.place)), c.kind) << c.place;
}

}  // namespace
}  // namespace quellon
