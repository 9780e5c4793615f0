#pragma once
// The arcade window: a ball to keep in play over a paddle that shrinks at every tick. The
// window holds the ball, paddle and field as controls with twips geometry and forwards the
// game loop, the keys and the arrow buttons to the board's rules.
#include <string>

#include "arcadeboard.h"
#include "game/gameplace.h"

namespace brankor {

class FrmAr : public GamePlace {
  public:
    explicit FrmAr(Game& game);
    void onClick(const std::string& control) override;
    void onMouseDown(const std::string& control) override;
    void onMouseUp(const std::string& control) override;
    void onKey(const std::string& control, Key key) override;
    void onTimer(const std::string& timer) override;
    bool onQueryClose() override;

    /// Whether a game runs (or waits on its play-again question).
    bool playing() const;

  private:
    /// The board as the controls hold it now: velocity from T1/T2, the rest from geometry.
    ArcadeBoard board() const;
    /// Writes the board back into the controls.
    void show(const ArcadeBoard& board);
    void tick();
    /// One step of the arrow button moving the paddle with `timer`; stops it past the edge.
    void push(const std::string& timer);
    void finish(bool won);
    /// Ball to the corner, full paddle at its current left, start speed, arrows stopped.
    void resetBoard();
    void lockForPlay();
    void unlockAll();
    void leave();

    bool m_keyboardMode = false;
    bool m_asking = false;
};

}  // namespace brankor
