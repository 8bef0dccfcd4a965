#include "gui/CPlanovaApp.h"
#include "gui/QtTranslations.h"
#include "gui/SingleInstance.h"
#include "gui/StartupProbe.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    planova::StartupProbe::Instance();
    // Answered before the application object exists, so that it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("planova %s\n", PLANOVA_VERSION);
        return 0;
    }
    QApplication application(argc, argv);
    planova::StartupProbe::Mark("application object");
    QApplication::setOrganizationName(QStringLiteral("KORVANE"));
    QApplication::setApplicationName(QStringLiteral("Planova"));
    QApplication::setApplicationVersion(QStringLiteral(PLANOVA_VERSION));
    // The desktop entry planova.desktop identifies the application to the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("planova"));
    planova::InstallQtTranslations(application);
    planova::StartupProbe::Mark("translations");

    const QStringList files = QApplication::arguments().mid(1);
    // The name is taken before anything slow happens, so a second start moments later finds it.
    // A running instance takes the files over; this process then has nothing more to do.
    planova::SingleInstance instance;
    if (instance.Claim(planova::SingleInstance::ServerPath(), files) ==
        planova::SingleInstance::Claimed::HandedOver)
        return 0;
    planova::StartupProbe::Mark("single instance");

    planova::CPlanovaApp app(planova::StartOptions::FromEnvironment());
    app.ReceiveFilesFrom(instance);
    if (!app.Start(files))
        return 1;
    planova::StartupProbe::Mark("start done");
    planova::StartupProbe::Instance().WatchFirstFrame();
    return QApplication::exec();
}
