#pragma once
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <filesystem>

// A private copy of the run directory (the working directory the tests run
// in), made the working directory for the object's lifetime: for tests that
// set up the high-score screen, which rewrites the table it finds there.
class PrivateRunDirectory {
public:
    PrivateRunDirectory() : home(QDir::currentPath())
    {
        if (!copy.isValid())
            return;
        std::error_code error;
        std::filesystem::copy(home.toStdString(), copy.path().toStdString(),
                              std::filesystem::copy_options::recursive, error);
        ready = !error && QDir::setCurrent(copy.path());
    }
    ~PrivateRunDirectory() { QDir::setCurrent(home); }
    PrivateRunDirectory(const PrivateRunDirectory &) = delete;
    PrivateRunDirectory &operator=(const PrivateRunDirectory &) = delete;

    bool isReady() const { return ready; }
    QString path() const { return copy.path(); }

private:
    QString home;
    QTemporaryDir copy;
    bool ready = false;
};
