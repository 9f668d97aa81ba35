#pragma once
// The macro manager window: the stored macros, their key sequences, loop
// counts and delays, and live recording.

#include "classlib/dialog.h"
#include "macro/macro_store.h"
#include "model/device_records.h"

#include <array>

class CMacroProgramDialog : public CDialog {
public:
    CMacroProgramDialog();

    // One device macro record per list position, fresh after OK.
    std::array<MacroRecord, kMaxMacros> m_MacroRecords{};
};
