#include "app/Settings.h"

#include "app/CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cmath>
#include <set>

namespace {
const QString kTurn = QStringLiteral("mouse/turnDegrees");
const QString kInvertPitch = QStringLiteral("mouse/invertPitch");
const QString kKeysGroup = QStringLiteral("keys/");
const QString kVolume = QStringLiteral("sound/volume");
const QString kOutlines = QStringLiteral("display/outlines");
const QString kSize = QStringLiteral("window/size");
const QString kFullScreen = QStringLiteral("window/fullScreen");

QString keysEntry(KeyBindings::Action action) { return kKeysGroup + QLatin1String(KeyBindings::settingName(action)); }

std::string local(const QString &text) { return text.toLocal8Bit().toStdString(); }

QString boolText(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

// Reads the values of one file into the settings, naming every bad one.
class SettingsReader {
public:
    SettingsReader(QSettings &file, SettingsRead &read) : file(file), read(read) {}

    void readAll()
    {
        readTurn();
        readBool(kInvertPitch, read.settings.invertPitch);
        readKeys();
        readVolume();
        readOutlines();
        readSize();
        readBool(kFullScreen, read.settings.fullScreen);
        nameUnknownEntries();
    }

private:
    // The entry's text; false when the file has no such entry.
    bool text(const QString &entry, QString &value) const
    {
        if (!file.contains(entry))
            return false;
        const QVariant stored = file.value(entry);
        // An unquoted comma makes a list of the text.
        value = stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(QLatin1Char(',')) : stored.toString();
        return true;
    }

    void bad(const QString &entry, const QString &value, const QString &expected, const QString &used)
    {
        read.problems.push_back(local(QStringLiteral("%1: %2: bad value '%3' (expected %4): %5 is used")
                                          .arg(file.fileName(), entry, value, expected, used)));
    }

    void readTurn()
    {
        QString value;
        if (!text(kTurn, value))
            return;
        bool ok = false;
        const double degrees = value.toDouble(&ok);
        if (ok && std::isfinite(degrees) && degrees >= GameSettings::kMinTurnDegrees &&
            degrees <= GameSettings::kMaxTurnDegrees)
            read.settings.turnDegrees = degrees;
        else
            bad(kTurn, value,
                QStringLiteral("degrees from %1 to %2").arg(GameSettings::kMinTurnDegrees).arg(GameSettings::kMaxTurnDegrees),
                QString::number(GameSettings::kDefaultTurnDegrees));
    }

    void readBool(const QString &entry, bool &setting)
    {
        QString value;
        if (!text(entry, value))
            return;
        if (value == QLatin1String("true") || value == QLatin1String("false"))
            setting = value == QLatin1String("true");
        else
            bad(entry, value, QStringLiteral("true or false"), boolText(setting));
    }

    void readKeys()
    {
        KeyBindings &keys = read.settings.keys;
        std::array<int, KeyBindings::ActionCount> chosen;
        for (int a = 0; a < KeyBindings::ActionCount; ++a) {
            const auto action = KeyBindings::Action(a);
            chosen[a] = KeyBindings::gameKey(action);
            QString value;
            if (!text(keysEntry(action), value))
                continue;
            const int key = KeyBindings::keyFromName(value);
            if (key && KeyBindings::isBindable(key))
                chosen[a] = key;
            else
                bad(keysEntry(action), value, QStringLiteral("a key other than the arrows, Escape, F1 to F5 and F10"),
                    KeyBindings::keyName(chosen[a]));
        }
        const std::set<int> distinct(chosen.begin(), chosen.end());
        if (distinct.size() != chosen.size()) {
            read.problems.push_back(local(QStringLiteral("%1: [keys]: a key is bound to two actions: the default keys are used")
                                              .arg(file.fileName())));
            return;
        }
        for (int a = 0; a < KeyBindings::ActionCount; ++a)
            keys.bind(KeyBindings::Action(a), chosen[a]);
    }

    void readVolume()
    {
        QString value;
        if (!text(kVolume, value))
            return;
        bool ok = false;
        const int percent = value.toInt(&ok);
        if (ok && percent >= 0 && percent <= GameSettings::kMaxVolumePercent)
            read.settings.volumePercent = percent;
        else
            bad(kVolume, value, QStringLiteral("a whole percentage from 0 to %1").arg(GameSettings::kMaxVolumePercent),
                QString::number(GameSettings::kMaxVolumePercent));
    }

    void readOutlines()
    {
        QString value;
        if (!text(kOutlines, value))
            return;
        if (value == QLatin1String("smooth") || value == QLatin1String("fast"))
            read.settings.fastOutlines = value == QLatin1String("fast");
        else
            bad(kOutlines, value, QStringLiteral("smooth or fast"), QStringLiteral("smooth"));
    }

    void readSize()
    {
        QString value;
        if (!text(kSize, value) || value.isEmpty())
            return;
        if (!parseWindowSize(local(value), kMaxWindowSide, read.settings.windowWidth, read.settings.windowHeight))
            bad(kSize, value, QStringLiteral("WxH, each side 1 to %1 pixels").arg(kMaxWindowSide),
                QStringLiteral("the usual size"));
    }

    void nameUnknownEntries()
    {
        QStringList known{kTurn, kInvertPitch, kVolume, kOutlines, kSize, kFullScreen};
        for (int a = 0; a < KeyBindings::ActionCount; ++a)
            known << keysEntry(KeyBindings::Action(a));
        for (const QString &entry : file.allKeys())
            if (!known.contains(entry))
                read.problems.push_back(local(QStringLiteral("%1: unknown setting '%2': left alone").arg(file.fileName(), entry)));
    }

    QSettings &file;
    SettingsRead &read;
};
} // namespace

bool GameSettings::operator==(const GameSettings &other) const
{
    return turnDegrees == other.turnDegrees && invertPitch == other.invertPitch && keys == other.keys &&
           volumePercent == other.volumePercent && fastOutlines == other.fastOutlines &&
           windowWidth == other.windowWidth && windowHeight == other.windowHeight && fullScreen == other.fullScreen;
}

SettingsRead readSettings(const QString &path)
{
    SettingsRead read;
    QSettings file(path, QSettings::IniFormat);
    switch (file.status()) {
    case QSettings::NoError: SettingsReader(file, read).readAll(); break;
    case QSettings::AccessError:
        read.mayWrite = false;
        read.problems.push_back(local(QStringLiteral("cannot read %1: the default settings are used, and changes "
                                                     "are not kept").arg(path)));
        break;
    case QSettings::FormatError:
        read.mayWrite = false;
        read.problems.push_back(local(QStringLiteral("%1 is no settings file: the default settings are used, and "
                                                     "the file is left as it is").arg(path)));
        break;
    }
    return read;
}

std::string writeSettings(const QString &path, const GameSettings &settings)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings file(path, QSettings::IniFormat);
    file.setValue(kTurn, QString::number(settings.turnDegrees));
    file.setValue(kInvertPitch, boolText(settings.invertPitch));
    for (int a = 0; a < KeyBindings::ActionCount; ++a)
        file.setValue(keysEntry(KeyBindings::Action(a)), KeyBindings::keyName(settings.keys.key(KeyBindings::Action(a))));
    file.setValue(kVolume, QString::number(settings.volumePercent));
    file.setValue(kOutlines, settings.fastOutlines ? QStringLiteral("fast") : QStringLiteral("smooth"));
    if (settings.windowWidth > 0 && settings.windowHeight > 0)
        file.setValue(kSize, QStringLiteral("%1x%2").arg(settings.windowWidth).arg(settings.windowHeight));
    else
        file.remove(kSize);
    file.setValue(kFullScreen, boolText(settings.fullScreen));
    file.sync();
    return file.status() == QSettings::NoError ? std::string() : local(QStringLiteral("cannot write %1").arg(path));
}

QString defaultSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/torchhero/torchhero.conf");
}
