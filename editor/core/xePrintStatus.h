// The progress of a print job as the editor reports it through OnPrintStatus.
#pragma once
#include <cstdint>
#include <functional>

#include "xeTypes.h"

enum TxePrintStatus : std::uint8_t { prsStart = 0, prsPage = 1, prsFinish = 2 };

// Sender, status, page number (0 for prsStart and prsFinish), abort flag: set it at prsStart or prsPage to
// abort the job; at prsFinish it tells whether the job did not complete.
using TxePrintStatusEvent =
    std::function<void(TObject* Sender, TxePrintStatus Status, int PageNumber, bool& Abort)>;
