#include "platform/special_folders.h"

namespace quellon {

TSpecialFolder SpecialFolderForPlatform(TSpecialFolder kind, bool isNt) {
  if (isNt) return kind;
  switch (kind) {
    case sfCommonAltStartup: return sfAltStartup;
    case sfCommonDesktopDirectory: return sfDesktopDirectory;
    case sfCommonFavorites: return sfFavorites;
    case sfCommonPrograms: return sfPrograms;
    case sfCommonStartMenu: return sfStartMenu;
    case sfCommonStartup: return sfStartup;
    case sfCommonTemplates: return sfTemplates;
    case sfProgramFilesCommon: return sfProgramFiles;
    default: return kind;
  }
}

FolderFallback SpecialFolderFallback(TSpecialFolder kind) {
  switch (kind) {
    case sfCommonAdminTools: return {FolderFallbackKind::kOtherKind, sfAdminTools};
    case sfCommonAppData: return {FolderFallbackKind::kOtherKind, sfAppData};
    case sfCommonMusic: return {FolderFallbackKind::kOtherKind, sfMyMusic};
    case sfCommonPictures: return {FolderFallbackKind::kOtherKind, sfMyPictures};
    case sfCommonVideo: return {FolderFallbackKind::kOtherKind, sfMyVideo};
    case sfSystem: return {FolderFallbackKind::kSystemDirectory, sfSystem};
    case sfWindows: return {FolderFallbackKind::kWindowsDirectory, sfWindows};
    default: return {};
  }
}

TSpecialFolder ShortcutPlaceFolder(TShortcutPlace place) {
  switch (static_cast<unsigned>(place) & 0x7F) {
    case slCommonStartMenu: return sfCommonStartMenu;
    case slCommonPrograms: return sfCommonPrograms;
    case slCommonDesktop: return sfCommonDesktopDirectory;
    case slQuickLaunch: return sfQuickLaunch;
    case slSendTo: return sfSendTo;
    case slStartMenu: return sfStartMenu;
    case slPrograms: return sfPrograms;
    default: return sfDesktopDirectory;
  }
}

}  // namespace quellon
