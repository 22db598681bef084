// Folder kinds the program asks the shell for, and the rules that map them to
// the shell's folder numbers (CSIDL values), per-user counterparts and
// fallbacks. Portable: the numbers are the shell's documented constants, and
// the Windows side checks each against its own headers at compile time.
#pragma once
#include <cstdint>

namespace quellon {

// Kinds 0 to 40 follow the shell constants in alphabetical order of their
// names (the documents folder filed under CSIDL_MYDOCUMENTS); kind 41 is the
// Quick Launch folder, which the shell has no constant for.
enum TSpecialFolder : std::uint8_t {
  sfAdminTools,              // CSIDL_ADMINTOOLS
  sfAltStartup,              // CSIDL_ALTSTARTUP
  sfAppData,                 // CSIDL_APPDATA
  sfBitBucket,               // CSIDL_BITBUCKET
  sfCdBurnArea,              // CSIDL_CDBURN_AREA
  sfCommonAdminTools,        // CSIDL_COMMON_ADMINTOOLS
  sfCommonAltStartup,        // CSIDL_COMMON_ALTSTARTUP
  sfCommonAppData,           // CSIDL_COMMON_APPDATA
  sfCommonDesktopDirectory,  // CSIDL_COMMON_DESKTOPDIRECTORY
  sfCommonDocuments,         // CSIDL_COMMON_DOCUMENTS
  sfCommonFavorites,         // CSIDL_COMMON_FAVORITES
  sfCommonMusic,             // CSIDL_COMMON_MUSIC
  sfCommonPictures,          // CSIDL_COMMON_PICTURES
  sfCommonPrograms,          // CSIDL_COMMON_PROGRAMS
  sfCommonStartMenu,         // CSIDL_COMMON_STARTMENU
  sfCommonStartup,           // CSIDL_COMMON_STARTUP
  sfCommonTemplates,         // CSIDL_COMMON_TEMPLATES
  sfCommonVideo,             // CSIDL_COMMON_VIDEO
  sfCookies,                 // CSIDL_COOKIES
  sfDesktopDirectory,        // CSIDL_DESKTOPDIRECTORY
  sfFavorites,               // CSIDL_FAVORITES
  sfFonts,                   // CSIDL_FONTS
  sfHistory,                 // CSIDL_HISTORY
  sfInternetCache,           // CSIDL_INTERNET_CACHE
  sfLocalAppData,            // CSIDL_LOCAL_APPDATA
  sfPersonal,                // CSIDL_PERSONAL, the documents folder
  sfMyMusic,                 // CSIDL_MYMUSIC
  sfMyPictures,              // CSIDL_MYPICTURES
  sfMyVideo,                 // CSIDL_MYVIDEO
  sfProfile,                 // CSIDL_PROFILE
  sfProfiles,                // CSIDL_PROFILES
  sfProgramFiles,            // CSIDL_PROGRAM_FILES
  sfProgramFilesCommon,      // CSIDL_PROGRAM_FILES_COMMON
  sfPrograms,                // CSIDL_PROGRAMS
  sfRecent,                  // CSIDL_RECENT
  sfSendTo,                  // CSIDL_SENDTO
  sfStartMenu,               // CSIDL_STARTMENU
  sfStartup,                 // CSIDL_STARTUP
  sfSystem,                  // CSIDL_SYSTEM
  sfTemplates,               // CSIDL_TEMPLATES
  sfWindows,                 // CSIDL_WINDOWS
  sfQuickLaunch,             // no shell constant; read from the registry
};

constexpr int kSpecialFolderKinds = 42;

// Where CreateShortcut puts a link. Only the low 7 bits count; any value
// beyond slPrograms acts as slDesktop.
enum TShortcutPlace : std::uint8_t {
  slCommonStartMenu = 0,
  slCommonPrograms = 1,
  slCommonDesktop = 2,
  slQuickLaunch = 3,
  slSendTo = 4,
  slStartMenu = 5,
  slPrograms = 6,
  slDesktop = 7,
};

// Shell folder numbers of kinds 0 to 40, in the order of TSpecialFolder.
inline constexpr int kSpecialFolderCsidl[] = {
    0x0030,  // CSIDL_ADMINTOOLS
    0x001d,  // CSIDL_ALTSTARTUP
    0x001a,  // CSIDL_APPDATA
    0x000a,  // CSIDL_BITBUCKET
    0x003b,  // CSIDL_CDBURN_AREA
    0x002f,  // CSIDL_COMMON_ADMINTOOLS
    0x001e,  // CSIDL_COMMON_ALTSTARTUP
    0x0023,  // CSIDL_COMMON_APPDATA
    0x0019,  // CSIDL_COMMON_DESKTOPDIRECTORY
    0x002e,  // CSIDL_COMMON_DOCUMENTS
    0x001f,  // CSIDL_COMMON_FAVORITES
    0x0035,  // CSIDL_COMMON_MUSIC
    0x0036,  // CSIDL_COMMON_PICTURES
    0x0017,  // CSIDL_COMMON_PROGRAMS
    0x0016,  // CSIDL_COMMON_STARTMENU
    0x0018,  // CSIDL_COMMON_STARTUP
    0x002d,  // CSIDL_COMMON_TEMPLATES
    0x0037,  // CSIDL_COMMON_VIDEO
    0x0021,  // CSIDL_COOKIES
    0x0010,  // CSIDL_DESKTOPDIRECTORY
    0x0006,  // CSIDL_FAVORITES
    0x0014,  // CSIDL_FONTS
    0x0022,  // CSIDL_HISTORY
    0x0020,  // CSIDL_INTERNET_CACHE
    0x001c,  // CSIDL_LOCAL_APPDATA
    0x0005,  // CSIDL_PERSONAL
    0x000d,  // CSIDL_MYMUSIC
    0x0027,  // CSIDL_MYPICTURES
    0x000e,  // CSIDL_MYVIDEO
    0x0028,  // CSIDL_PROFILE
    0x003e,  // CSIDL_PROFILES
    0x0026,  // CSIDL_PROGRAM_FILES
    0x002b,  // CSIDL_PROGRAM_FILES_COMMON
    0x0002,  // CSIDL_PROGRAMS
    0x0008,  // CSIDL_RECENT
    0x0009,  // CSIDL_SENDTO
    0x000b,  // CSIDL_STARTMENU
    0x0007,  // CSIDL_STARTUP
    0x0025,  // CSIDL_SYSTEM
    0x0015,  // CSIDL_TEMPLATES
    0x0024,  // CSIDL_WINDOWS
};
static_assert(sizeof(kSpecialFolderCsidl) / sizeof(kSpecialFolderCsidl[0]) == sfQuickLaunch,
              "one shell folder number per kind before Quick Launch");

// The shell folder number of kinds 0 to 40; -1 for Quick Launch and for any
// value beyond the last kind.
constexpr int SpecialFolderCsidl(TSpecialFolder kind) {
  return kind < sfQuickLaunch ? kSpecialFolderCsidl[kind] : -1;
}

// The kind actually looked up: on platforms other than NT the common folders
// that have a per-user counterpart are replaced by it.
TSpecialFolder SpecialFolderForPlatform(TSpecialFolder kind, bool isNt);

// What to use when a kind yields no path.
enum class FolderFallbackKind {
  kNone,
  kOtherKind,         // the path of another kind (FolderFallback::kind)
  kSystemDirectory,   // GetSystemDirectoryW
  kWindowsDirectory,  // GetWindowsDirectoryW
};

struct FolderFallback {
  FolderFallbackKind how = FolderFallbackKind::kNone;
  TSpecialFolder kind = sfAdminTools;  // meaningful for kOtherKind only
};

FolderFallback SpecialFolderFallback(TSpecialFolder kind);

// The folder kind of a shortcut place (low 7 bits; beyond 6 the desktop).
TSpecialFolder ShortcutPlaceFolder(TShortcutPlace place);

}  // namespace quellon
