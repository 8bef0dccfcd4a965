#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace planova {

/**
 * The status bar's key indicators "CAP", "NUM" and "SCRL". On X11 every key event carries the
 * lock states, which are taken as they are; elsewhere the lock keys are counted as they are
 * pressed, starting from off.
 */
class KeyIndicators : public QObject
{
    Q_OBJECT
public:
    /// Adds the three indicators to the right end of the status bar.
    explicit KeyIndicators(QStatusBar& statusBar);

    bool CapsLock() const { return Caps; }
    bool NumLock() const { return Num; }
    bool ScrollLock() const { return Scroll; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show();

    QLabel* CapsLabel;
    QLabel* NumLabel;
    QLabel* ScrollLabel;
    bool Caps = false;
    bool Num = false;
    bool Scroll = false;
};

} // namespace planova
