#pragma once
// The job market: nine job buttons; hovering one describes the job and says whether the player
// may take it, clicking takes it or explains what it asks for.
#include "game/gameplace.h"

namespace brankor {

class FrmWork : public GamePlace {
  public:
    explicit FrmWork(Game& game);
    void onLoad() override;
    /// A job button describes its job and writes the verdict; nothing else changes the verdict.
    void onMouseMove(const std::string& control) override;
    /// A job button acts on the verdict shown (that of the last job hovered); the bare window
    /// empties the end of the sentence; `cmdBack` closes.
    void onClick(const std::string& control) override;

  private:
    /// A job has been hovered since the window loaded, so the verdict belongs to one.
    bool m_judged = false;
};

}  // namespace brankor
