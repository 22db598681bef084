// The trigger radio buttons and the time field: selecting a trigger loads
// its saved time; the field's text form; setting one part of it.
#include <cstring>

#include "app/yarb_form.h"
#include "core/time_text.h"
#include "settings/settings.h"

namespace quellon::app {
namespace {

// The times a trigger starts with when none is saved.
const wchar_t kDefaultPeriod[] = L"01:00:00.000";
const wchar_t kDefaultSilenceCountdown[] = L"00:02:00.000";
constexpr int64_t kMsPerHour = 3600000;

// The date-time range of the runtime (0001-01-01 to 9999-12-31): an
// older binary time value outside it is damaged.
constexpr double kFirstDateTime = -693594.0;
constexpr double kEndDateTime = 2958466.0;

std::wstring TimeText(TDateTime value) {
  return TimeToString(value, static_cast<unsigned>(DecodeDateTime(value).hour));
}

// The time a trigger takes when none is saved: the period, an hour from
// now for the time of day, two minutes for the silence countdown.
std::wstring DefaultTimeText(int tag, TDateTime now) {
  if (tag == trgNoSound) return kDefaultSilenceCountdown;
  if (tag == trgTime) return TimeText(static_cast<double>(TimeOfDayMs(now) + kMsPerHour) / kMsPerDay);
  return kDefaultPeriod;
}

}  // namespace

ui::RadioButton* TYARBForm::TriggerButton(int tag) const {
  for (ui::RadioButton* b : {cbPeriodOfTime, cbComputerIdle, cbTime, cbMonitoredApp, cbNoSound})
    if (b->Tag() == tag) return b;
  return nullptr;
}

int TYARBForm::GetTriggerTag() const {
  for (int t = kFirstTrigger; t <= kLastTrigger; ++t)
    if (TriggerButton(t)->Checked()) return TriggerButton(t)->Tag();
  return trgPeriodOfTime;
}

std::wstring TYARBForm::TimeFieldText() const { return TimeText(dtpStartTime->Value()); }

void TYARBForm::SetTimeFieldText(const std::wstring& text) { dtpStartTime->SetValue(StringToTime(text)); }

std::wstring TYARBForm::ReadTimeSetting(const std::wstring& name, const std::wstring& defaultText) {
  auto key = env_.registry.OpenKey(os::RootKey::CurrentUser, kSettingsKeyPath, os::RegAccess::Full, true);
  if (!key) return defaultText;
  auto raw = key.value()->ReadRaw(name);
  if (!raw) return defaultText;
  if (raw.value().type == os::kRegSz) {
    auto s = key.value()->ReadString(name);
    return s ? s.value() : defaultText;
  }
  // The form of earlier versions: an 8-byte date-time.
  if (raw.value().data.size() != sizeof(double)) return defaultText;
  double t = 0;
  std::memcpy(&t, raw.value().data.data(), sizeof t);
  if (!(t > kFirstDateTime && t < kEndDateTime)) return defaultText;
  return TimeText(t);
}

void TYARBForm::cbPeriodOfTimeClick() {
  UpdateTriggerControls();
  if (FCreate && cbPeriodOfTime->Checked())
    SetTimeFieldText(ReadTimeSetting(TimeValueName(trgPeriodOfTime), DefaultTimeText(trgPeriodOfTime, 0)));
}

void TYARBForm::cbComputerIdleClick() {
  UpdateTriggerControls();
  if (FCreate && cbComputerIdle->Checked()) {
    std::wstring period = ReadTimeSetting(TimeValueName(trgPeriodOfTime), DefaultTimeText(trgPeriodOfTime, 0));
    SetTimeFieldText(ReadTimeSetting(TimeValueName(trgComputerIdle), period));
  }
}

void TYARBForm::cbTimeClick() {
  UpdateTriggerControls();
  if (FCreate && cbTime->Checked())
    SetTimeFieldText(ReadTimeSetting(TimeValueName(trgTime), DefaultTimeText(trgTime, env_.clock.Now())));
}

void TYARBForm::cbMonitoredAppClick() {
  UpdateTriggerControls();
  // The running-applications list comes with the application watch.
}

void TYARBForm::cbNoSoundClick() {
  UpdateTriggerControls();
  if (FCreate && cbNoSound->Checked())
    SetTimeFieldText(ReadTimeSetting(TimeValueName(trgNoSound), DefaultTimeText(trgNoSound, 0)));
}

void TYARBForm::UpdateTriggerControls() {
  const int tag = GetTriggerTag();
  const bool app = tag == trgMonitoredApp;
  cbxMonitoredApp->SetEnabled(app);
  if (app != actMonitoredAppRefresh->Enabled()) cbxMonitoredAppChange();
  actMonitoredAppRefresh->SetEnabled(app);
  const bool timed = TimeFieldEditable(tag);
  grTime->SetEnabled(timed);
  dtpStartTime->SetEnabled(timed);
  dtpStartTime->SetFormat(tag == trgTime ? L"" : L"HH:mm:ss");
}

// Selects the trigger (a number that is none selects the period) and, with
// load, puts its saved time into the field. A saved time that is not a
// time text is reported and the trigger's default is used instead: the
// field is never left at the zero it starts with, which would act one
// second after Begin.
void TYARBForm::SelectTrigger(int tag, bool load) {
  const bool saved = FCreate;
  FCreate = load;
  if (!IsTriggerTag(tag)) tag = trgPeriodOfTime;
  ui::RadioButton* target = TriggerButton(tag);
  try {
    const bool alreadySelected = target->Checked();
    cbPeriodOfTime->SetChecked(true);
    target->SetChecked(true);
    // Selecting what is selected runs nothing; a load still wants the
    // trigger's saved time and controls.
    if (alreadySelected && load && target->OnClick) target->OnClick();
  } catch (const ConvertError& e) {
    FCreate = saved;
    env_.shell.ShowMessageBox(e.Message(), L"Error", os::BoxButtons::Ok, os::BoxIcon::Error);
    if (load && GetTriggerTag() != trgMonitoredApp)
      SetTimeFieldText(DefaultTimeText(GetTriggerTag(), env_.clock.Now()));
    return;
  } catch (...) {
    FCreate = saved;
    throw;
  }
  FCreate = saved;
}

void TYARBForm::SetTimePart(int value, TimePart part) {
  if (value < 0) return;
  if ((part == tpMinutes || part == tpSeconds) && value > 59) return;
  DateTimeParts p = DecodeDateTime(dtpStartTime->Value());
  int h = p.hour, m = p.minute, s = p.second;
  if (part == tpHours) h = value;
  if (part == tpMinutes) m = value;
  if (part == tpSeconds) s = value;
  dtpStartTime->SetValue(EncodeTime(h, m, s, p.millisecond));
}

}  // namespace quellon::app
