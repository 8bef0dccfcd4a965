#include "gui/Interchange.h"

#include "gui/UserDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace planova {
namespace {

const QString ModuleName = QStringLiteral("planova-interchange.so");

/// Where the module may be: beside the program in its build folder, or where it is installed.
QStringList ModulePlaces()
{
    const QDir programs(QCoreApplication::applicationDirPath());
    return {programs.filePath(ModuleName),
            QDir::cleanPath(
                programs.filePath(QStringLiteral(PLANOVA_INTERCHANGE_DIR) + QLatin1Char('/') + ModuleName))};
}

/// Loads the module and returns its interchange, or nullptr with the reason.
Interchange* LoadModule(QString& failure)
{
    for (const QString& path : ModulePlaces()) {
        if (!QFileInfo(path).isFile())
            continue;
        // Kept loaded until the program ends: what it hands out lives as long.
        QLibrary module(path);
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        using Entry = Interchange* (*)();
        if (const auto entry = reinterpret_cast<Entry>(module.resolve("PlanovaInterchange")))
            return entry();
        failure = module.errorString();
        return nullptr;
    }
    failure = QStringLiteral("%1 が見つかりません。").arg(QDir::toNativeSeparators(ModulePlaces().back()));
    return nullptr;
}

} // namespace

// The application loads the interchange when it is first asked for: its libraries are not needed
// to show the first window.
Interchange* Interchange::Get(QWidget* parent)
{
    static Interchange* loaded = nullptr;
    if (loaded == nullptr) {
        QString failure;
        loaded = LoadModule(failure);
        if (loaded == nullptr)
            ShowError(parent, QStringLiteral("書き出しとカレンダーサーバーの機能を読み込めませんでした。\n%1")
                                  .arg(failure));
    }
    return loaded;
}

} // namespace planova
