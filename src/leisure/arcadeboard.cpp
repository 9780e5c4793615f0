#include "arcadeboard.h"

#include "framework/number.h"

namespace brankor {

std::int16_t reversed(std::int16_t value) {
    return clampToInt16(-static_cast<long long>(value));
}

ArcadeEvent stepArcade(ArcadeBoard& b) {
    b.ballLeft += b.ballDX;
    b.ballTop += b.ballDY;
    b.paddleWidth -= arcade::kPaddleShrink;
    if (b.paddleWidth == arcade::kPaddleWinWidth) return ArcadeEvent::Won;

    // The tests run in this order and the first that holds ends the tick: a ball at a side
    // wall and the floor line at once is not lost, and only the ball's left edge is measured
    // against the paddle, whichever way the ball is going.
    if (b.ballLeft <= 0 || b.ballLeft >= b.fieldWidth - b.ballWidth) {
        b.ballDX = reversed(b.ballDX);
        return ArcadeEvent::SideWall;
    }
    if (b.ballTop <= 0 || b.ballTop >= b.fieldHeight - b.ballHeight) {
        b.ballDY = reversed(b.ballDY);
        return ArcadeEvent::TopOrBottom;
    }
    if (b.ballTop >= arcade::kCatchLine && b.paddleLeft < b.ballLeft &&
        b.ballLeft < b.paddleLeft + b.paddleWidth) {
        b.ballDY = reversed(b.ballDY);
        return ArcadeEvent::Paddle;
    }
    if (b.ballTop >= arcade::kFloorLine) return ArcadeEvent::Lost;
    return ArcadeEvent::None;
}

bool movePaddleByKey(ArcadeBoard& b, int direction) {
    // The paddle's limit is the field's design width, whatever size the field has.
    const bool mayMove =
        direction > 0 ? b.paddleLeft <= arcade::kFieldWidth - b.paddleWidth : b.paddleLeft >= 0;
    if (mayMove) b.paddleLeft += direction * arcade::kKeyStep;
    return mayMove;
}

bool movePaddleByButton(ArcadeBoard& b, int direction) {
    b.paddleLeft += direction * arcade::kButtonStep;
    return direction > 0 ? b.paddleLeft <= arcade::kFieldWidth - b.paddleWidth : b.paddleLeft >= 0;
}

}  // namespace brankor
