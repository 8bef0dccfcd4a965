#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace planova {

/// A path of the file dialogs as the core's file functions take it (the file system's encoding).
inline std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace planova
