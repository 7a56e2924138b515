#include "app/SettingsStore.h"

#include <cstdio>

SettingsStore::SettingsStore(const QString &path, QObject *parent) : QObject(parent), filePath(path)
{
    SettingsRead read = readSettings(path);
    current = read.settings;
    readProblems = std::move(read.problems);
    mayWrite = read.mayWrite;
}

void SettingsStore::change(const GameSettings &values)
{
    if (values == current)
        return;
    const GameSettings before = current;
    current = values;
    if (mayWrite) {
        const std::string problem = writeSettings(filePath, current);
        if (!problem.empty() && !writeFailed)
            std::fprintf(stderr, "torchhero: %s: the settings last for this run only\n", problem.c_str());
        writeFailed = writeFailed || !problem.empty();
    }
    emit changed(before, current);
}
