#include "levels/LevelReader.h"

#include <QFile>

namespace {
LevelReading unreadable(const std::string &path, const QFile &file)
{
    LevelReading refused;
    refused.errors.push_back(path + ": cannot read the file: " + file.errorString().toLocal8Bit().toStdString());
    return refused;
}
} // namespace

LevelReading readLevelFile(const std::string &path)
{
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, file);
    // One byte more than a level file may hold, so that a larger file is
    // refused without reading all of it.
    const QByteArray bytes = file.read(qint64(LevelLimits::kMaxFileBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable(path, file);
    return readLevel(path, bytes.toStdString());
}
