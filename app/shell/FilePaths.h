#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

// Qt paths to the core's filesystem paths and back, in the platform's file-name encoding.
inline std::filesystem::path toFsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

inline QString fromFsPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}
