#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace planova {

/// A path as the file system takes it (the locale's encoding of the name), for the core's file functions.
inline std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace planova
