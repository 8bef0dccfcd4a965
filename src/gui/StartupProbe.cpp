#include "gui/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace planova {

StartupProbe& StartupProbe::Instance()
{
    static StartupProbe probe;
    return probe;
}

StartupProbe::StartupProbe()
    : Tracing(qEnvironmentVariableIntValue("PLANOVA_STARTUP_TRACE") == 1),
      ExitAfterFirstFrame(qEnvironmentVariableIntValue("PLANOVA_EXIT_AFTER_FIRST_FRAME") == 1)
{
    Clock.start();
}

void StartupProbe::Mark(const char* what)
{
    const StartupProbe& probe = Instance();
    if (probe.Tracing)
        std::fprintf(stderr, "planova-startup: %7.2f %s\n",
                     static_cast<double>(probe.Clock.nsecsElapsed()) / 1e6, what);
}

void StartupProbe::WatchFirstFrame()
{
    if (Tracing || ExitAfterFirstFrame)
        QCoreApplication::instance()->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    // The planner view paints inside the window's first composition; the quit waits for the rest of
    // that composition to finish.
    if (event->type() == QEvent::Paint && !FramePainted && watched->inherits("planova::CPlanovaView")) {
        FramePainted = true;
        QTimer::singleShot(0, this, [this] {
            Mark("first frame painted");
            QCoreApplication::instance()->removeEventFilter(this);
            if (ExitAfterFirstFrame)
                QCoreApplication::quit();
        });
    }
    return false;
}

} // namespace planova
