#include "app/user_values.h"

#include "app/triggers.h"
#include "settings/settings.h"
#include "util/text.h"

namespace quellon::app {
namespace {

using os::RegAccess;
using os::RootKey;

// The learned captions: one subkey per special program's class, one value
// per caption. False when the subkey cannot be handled.
bool ReadLearnedCaptions(os::Registry& registry, std::vector<TSpecPrg>& specialPrograms) {
  const std::wstring learned = std::wstring(kSettingsKeyPath) + L"\\SpecPrograms";
  if (!registry.KeyExists(RootKey::CurrentUser, learned)) return true;
  bool empty = false;
  {
    auto sp = registry.OpenKey(RootKey::CurrentUser, learned, RegAccess::Full, false);
    if (!sp) return false;
    auto mark = sp.value()->ReadString(L"");
    empty = !mark || mark.value().empty();
  }
  if (empty) return static_cast<bool>(registry.DeleteKeyTree(RootKey::CurrentUser, learned));
  for (TSpecPrg& row : specialPrograms) {
    auto sub = registry.OpenKey(RootKey::CurrentUser, learned + L"\\" + row.szukana_klasa, RegAccess::Read,
                                false);
    if (!sub) continue;
    auto names = sub.value()->ValueNames();
    if (!names) continue;
    for (const auto& n : names.value())
      if (auto v = sub.value()->ReadString(n)) row.naglowki.push_back(UpperCase(v.value()));
  }
  return true;
}

}  // namespace

UserValues ReadUserValues(os::Registry& registry, std::vector<TSpecPrg>& specialPrograms, bool vistaOrLater) {
  UserValues v;
  auto key = registry.OpenKey(RootKey::CurrentUser, kSettingsKeyPath, RegAccess::Full, true);
  if (!key) return v;
  v.keyOpened = true;
  const os::RegKey& k = *key.value();
  if (auto t = k.ReadDword(L"Time")) v.time = static_cast<int>(t.value());
  if (v.time == trgNoSound && !vistaOrLater) v.time = trgPeriodOfTime;

  auto left = k.ReadDword(L"Position - Left");
  auto top = k.ReadDword(L"Position - Top");
  auto tip = k.ReadDword(L"MenuTip");
  auto app = k.ReadString(L"cbxMonitoredApp");
  if (!left || !top || !tip || (!app && !app.Is(ErrorKind::NotFound))) return v;
  v.left = static_cast<int32_t>(left.value());
  v.top = static_cast<int32_t>(top.value());
  v.menuTip = static_cast<int32_t>(tip.value());
  if (app) v.monitoredApp = app.value();
  key = Error{};  // closed before the learned captions' subkey may be deleted
  v.complete = ReadLearnedCaptions(registry, specialPrograms);
  return v;
}

bool ResetUserKey(os::Registry& registry) {
  bool ok = static_cast<bool>(registry.DeleteKeyTree(RootKey::CurrentUser, kSettingsKeyPath)) ||
            !registry.KeyExists(RootKey::CurrentUser, kSettingsKeyPath);
  if (!ok) return false;
  auto fresh = registry.OpenKey(RootKey::CurrentUser, kSettingsKeyPath, RegAccess::Full, true);
  return fresh && fresh.value()->WriteDword(L"MenuTip", 0);
}

}  // namespace quellon::app
