#pragma once
// The arcade as plain numbers in twips: the field, the ball with its velocity and the shrinking
// paddle, with one tick of the game loop and the two ways the player moves the paddle.
#include <cstdint>

namespace brankor {

namespace arcade {
constexpr int kFieldWidth = 5895;
constexpr int kFieldHeight = 3375;
constexpr int kBallSize = 285;
constexpr int kPaddleStartLeft = 2160;
constexpr int kPaddleTop = 2880;
constexpr int kPaddleHeight = 270;
constexpr int kPaddleStartWidth = 1080;
constexpr int kPaddleWinWidth = 300;
constexpr int kPaddleShrink = 2;
/// A ball whose top is at least this low may be met by the paddle.
constexpr int kCatchLine = 2700;
/// A ball whose top is at least this low and that the paddle missed is lost.
constexpr int kFloorLine = 3000;
constexpr std::int16_t kStartSpeed = 100;
constexpr int kKeyStep = 150;
constexpr int kButtonStep = 100;
}  // namespace arcade

/// Everything one tick of the loop reads and writes. The ball's left and top are relative to
/// the field's top-left corner, as is the paddle's left.
struct ArcadeBoard {
    int fieldWidth = arcade::kFieldWidth;
    int fieldHeight = arcade::kFieldHeight;
    int ballLeft = 0;
    int ballTop = 0;
    int ballWidth = arcade::kBallSize;
    int ballHeight = arcade::kBallSize;
    std::int16_t ballDX = arcade::kStartSpeed;
    std::int16_t ballDY = arcade::kStartSpeed;
    int paddleLeft = arcade::kPaddleStartLeft;
    int paddleWidth = arcade::kPaddleStartWidth;
};

/// What one tick of the loop came to; exactly one of these per tick.
enum class ArcadeEvent { None, SideWall, TopOrBottom, Paddle, Won, Lost };

/// One tick: the ball moves, the paddle shrinks, then the first test that holds of win, side
/// wall, top or bottom wall, paddle and floor decides the tick.
ArcadeEvent stepArcade(ArcadeBoard& board);

/// A press of the right (`direction` 1) or left (-1) arrow key: the edge is tested before the
/// move, so one press may take the paddle a step past the edge. Returns whether it moved.
bool movePaddleByKey(ArcadeBoard& board, int direction);

/// One step of an arrow button held down: the paddle moves first, then the edge is tested.
/// Returns whether the button keeps moving it (false once it is past the edge).
bool movePaddleByButton(ArcadeBoard& board, int direction);

/// `value` negated, kept within 16 bits (-(-32768) stays 32767).
std::int16_t reversed(std::int16_t value);

}  // namespace brankor
