#pragma once
// The game's zoom: every window drawn at 100 % to 200 % of the size its form was laid out for,
// its places, sizes, fonts, pictures and spacing together. The rules never see it: their twips
// become pixels through it in the windows alone.
#include <QFont>
#include <QObject>
#include <QString>
#include <array>
#include <optional>

class QWidget;

namespace brankor::ui {

/// The steps of the zoom, in percent.
inline constexpr std::array<int, 5> kZoomSteps = {100, 125, 150, 175, 200};

class Zoom : public QObject {
    Q_OBJECT
  public:
    static Zoom& instance();

    /// Takes the desktop's font and the zoom the player chose last time, and gives the
    /// application its font and `styleSheet` at that zoom.
    void start(const QString& styleSheet);
    int percent() const { return m_percent; }
    /// What one pixel of a form becomes: the zoom, times what the desktop's font has grown over
    /// the 9 points the forms were laid out for.
    qreal factor() const;
    /// Zooms the application and every window that follows the zoom; remembered for next time.
    void setPercent(int percent);
    /// Scales `window` and all it holds to the zoom now and after every change.
    void follow(QWidget& window);

  signals:
    /// After every window has been scaled to a new zoom.
    void changed();

  private:
    void applyToApplication();

    std::optional<QFont> m_desktop;
    QString m_styleSheet;
    int m_percent = 100;
};

/// `pixels` of a form at the zoom.
int zoomed(int pixels);

}  // namespace brankor::ui
