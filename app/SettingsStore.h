#pragma once
#include "app/Settings.h"

#include <QObject>
#include <QString>
#include <string>
#include <vector>

// The settings of this run and the file that keeps them. Reads the file
// once; every change is written at once and announced, so that whatever
// shows or uses a setting follows it. A file that could not be read is
// never written over: changes then last for this run only.
class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(const QString &path, QObject *parent = nullptr);

    const GameSettings &values() const { return current; }
    const QString &path() const { return filePath; }
    // What reading the file found wrong, one line each.
    const std::vector<std::string> &problems() const { return readProblems; }

    // Takes the new values, writes them and announces them (nothing when
    // they are the same). A file that cannot be written is named on
    // standard error once.
    void change(const GameSettings &values);

signals:
    void changed(const GameSettings &before, const GameSettings &now);

private:
    QString filePath;
    GameSettings current;
    std::vector<std::string> readProblems;
    bool mayWrite;
    bool writeFailed = false;
};
