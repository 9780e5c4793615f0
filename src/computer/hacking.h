#pragma once
// Hacking: take a task drawn by chance from nine of rising pay, carry it out, and get paid or get
// caught and fined. The chances come from counters that run while the window is open.
#include <cstdint>

#include "game/gameplace.h"
#include "hackingcounter.h"

namespace brankor {

class FrmHakerstvo : public GamePlace {
  public:
    explicit FrmHakerstvo(Game& game);
    void onLoad() override;
    void onClick(const std::string& control) override;

  private:
    void takeTask();
    void carryOut();
    /// Writes the counters' present values into their hidden labels.
    void readCounters();

    MillisecondCounter m_task;
    MillisecondCounter m_easyCapture;
    MillisecondCounter m_hardCapture;
    /// The task carried out last (16-bit, as the window keeps it).
    std::int16_t m_n = 0;
};

}  // namespace brankor
