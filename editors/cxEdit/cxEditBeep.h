#pragma once
// The one beep of the edit controls. Tests replace the hook to count beeps.
namespace velkaro {

using TcxEditBeepHook = void (*)();

// Sounds the beep through the hook (the system beep unless replaced).
void EditBeep();
// Installs a hook (none: the system beep again) and answers the previous one.
TcxEditBeepHook SetEditBeepHook(TcxEditBeepHook hook);

} // namespace velkaro
