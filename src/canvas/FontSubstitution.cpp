#include "canvas/FontSubstitution.h"

#include <QFont>
#include <QStringList>

#include <mutex>

namespace planova {

void InstallFontSubstitutions()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        const QStringList substitutes{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
        QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), substitutes);
        QFont::insertSubstitutions(QStringLiteral("MS PGothic"), substitutes);
    });
}

} // namespace planova
