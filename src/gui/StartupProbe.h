#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace planova {

/**
 * Watches the start of the application for measurements. Under PLANOVA_STARTUP_TRACE=1 each mark
 * writes the milliseconds since the process began its `main` to the standard error; under
 * PLANOVA_EXIT_AFTER_FIRST_FRAME=1 the application quits once the first planner view has been
 * painted, so a whole-process timer measures the start up to the first frame. Without either
 * variable it does nothing.
 */
class StartupProbe : public QObject
{
public:
    /// Started first thing in `main`; the clock of every mark.
    static StartupProbe& Instance();

    /// Writes "planova-startup: <ms> <what>" when tracing.
    static void Mark(const char* what);
    /// Watches the application's paint events when asked to quit after the first frame.
    void WatchFirstFrame();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StartupProbe();

    QElapsedTimer Clock;
    bool Tracing = false;
    bool ExitAfterFirstFrame = false;
    bool FramePainted = false;
};

} // namespace planova
