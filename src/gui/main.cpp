#include "gui/CPlanovaApp.h"
#include "gui/QtTranslations.h"
#include "gui/SingleInstance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KORVANE"));
    QApplication::setApplicationName(QStringLiteral("Planova"));
    QApplication::setApplicationVersion(QStringLiteral("9.7.0.1"));
    // The desktop entry planova.desktop identifies the application to the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("planova"));
    planova::InstallQtTranslations(application);

    const QStringList files = QApplication::arguments().mid(1);
    auto options = planova::StartOptions::FromEnvironment();
    // A running instance takes the files over; this process then has nothing more to do.
    if (planova::SingleInstance::HandOver(options.InstanceName, files))
        return 0;

    planova::CPlanovaApp app(std::move(options));
    if (!app.Start(files))
        return 1;
    return QApplication::exec();
}
