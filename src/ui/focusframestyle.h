#pragma once
// The game's look: Qt's Fusion style with a focus frame that a keyboard player sees at a glance
// (Fusion's own is a hairline).
#include <QProxyStyle>

namespace brankor::ui {

class FocusFrameStyle : public QProxyStyle {
  public:
    FocusFrameStyle();
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

}  // namespace brankor::ui
