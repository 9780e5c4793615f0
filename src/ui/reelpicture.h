#pragma once
// A reel of the slot machine: a picture whose accessible name says which symbol it shows, so a
// screen-reader player hears the reels stop as a sighted player sees them.
#include <QLabel>

namespace brankor::ui {

class ReelPicture : public QLabel {
    Q_OBJECT
  public:
    explicit ReelPicture(QWidget* parent = nullptr);

  protected:
    /// Follows the picture the window gives the reel ("Барабан 1: Яблоко").
    bool event(QEvent* event) override;

  private:
    QString m_reel;  ///< the reel's own name from the form ("Барабан 1")
};

}  // namespace brankor::ui
