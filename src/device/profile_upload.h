#pragma once
// The full upload of the current profile to the mouse, and the restore of
// the factory settings. Both run on the user-interface thread and block it
// for the whole upload (about 3.4 seconds of protocol pauses).

#include <windows.h>

class CProfileStore;

// Sends the whole of g_Settings to the mouse in its fixed order, then saves
// it to the current profile's files through `store` (the captions only when
// the profile file was written). ProfileIndex becomes 0 and the device
// profile 1. The caller makes sure the mouse is connected.
void ApplyAllToDevice(CProfileStore& store);

// Resets the current profile to the factory file and the defaults, keeping
// ProfileIndex and the user's twelve macros. With the mouse connected it then
// uploads, saves, takes the result as the saved record and applies the
// Windows pointer settings; without it only memory changes. g_bRestoreDefaults
// is 1 for the duration. False when the mouse was connected but the profile
// file could not be written (`error`, when given, receives the system error
// code): no caption is written then and g_SettingsSaved keeps its value.
bool RestoreDefaults(CProfileStore& store, DWORD* error = nullptr);

// The button table buffer of g_DevImage with command 0D, then a 2 ms pause.
void SendButtonTable();
// The twelve macro upload slots of g_DevImage with commands 0F 1..12, each
// followed by a 50 ms pause. The two tail bytes of a slot are not sent.
void SendMacros();
