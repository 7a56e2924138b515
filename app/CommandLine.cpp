#include "app/CommandLine.h"

#include "app/QtNameEntry.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace {
const char *const kProgram = "torchhero";

QCommandLineOption option(const char *name, const char *description, const char *valueName = nullptr)
{
    return valueName ? QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                                          QString::fromLatin1(valueName))
                     : QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description));
}

CommandLine refusal(const QString &why)
{
    CommandLine line;
    line.action = CommandLine::Refuse;
    line.message = std::string(kProgram) + ": " + why.toLocal8Bit().toStdString() + " (see " + kProgram +
                   " --help)";
    return line;
}

std::string local(const QString &text) { return text.toLocal8Bit().toStdString(); }
} // namespace

bool parseWindowSize(const std::string &text, int maxSide, int &width, int &height)
{
    char tail = 0;
    int w = 0, h = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &tail) != 2 || w < 1 || h < 1 || w > maxSide || h > maxSide)
        return false;
    width = w;
    height = h;
    return true;
}

CommandLine parseCommandLine(const std::vector<std::string> &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Torch Hero: steer a small hero with a torch through eight levels to the red exit of each."));
    // Not addHelpOption: it brings --help-all, the options of Qt itself,
    // which the game does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption nickname = option("nickname", "Play as NAME (seven characters at most) "
                                                           "without asking for a nickname.", "NAME");
    const QCommandLineOption fullScreen = option("fullscreen", "Open the game window full screen.");
    const QCommandLineOption size = option("size", "Open the game window W by H pixels large.", "WxH");
    const QCommandLineOption data = option("data", "Read the game's files from DIR.", "DIR");
    const QCommandLineOption record = option("record", "Write the player's input into FILE.", "FILE");
    const QCommandLineOption replay = option("replay", "Play the input recorded in FILE instead of the "
                                                       "player's; Escape still ends the game.", "FILE");
    const QCommandLineOption trace = option("trace", "Write what happens in the game (the playtest "
                                                     "driver's trace) into FILE.", "FILE");
    const QCommandLineOption outlines = option("outlines", "Draw the black outlines as smooth lines (the "
                                                           "default) or as fast ones: aliased and a pixel "
                                                           "wider, half the cost on a software renderer.",
                                               "smooth|fast");
    const QCommandLineOption checkLevel = option("check-level", "Check the level file FILE: print its errors "
                                                                "and exit with 2, or exit with 0 when it is good.",
                                                 "FILE");
    const QCommandLineOption practice = option("practice", "Practise level N (1 to 8) alone: lives are not counted, "
                                                           "the exit starts the level again, and the high-score "
                                                           "table is never written.", "N");
    const QCommandLineOption levelFile = option("level-file", "Play the level in FILE alone, as practice; F5 reads "
                                                              "the file again.", "FILE");
    const QCommandLineOption noGhost = option("no-ghost", "Start without the ghost of your best (G shows it).");
    for (const auto &o : {help, version, nickname, fullScreen, size, data, record, replay, trace, outlines, checkLevel,
                          practice, levelFile, noGhost})
        parser.addOption(o);

    QStringList list{QString::fromLatin1(kProgram)};
    for (const std::string &argument : arguments)
        list << QString::fromLocal8Bit(argument.c_str());
    if (!parser.parse(list)) {
        QString why = parser.errorText();
        if (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        return refusal(why);
    }
    if (!parser.positionalArguments().isEmpty())
        return refusal(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::ShowHelp;
        // Without a QCoreApplication the parser cannot name the program.
        line.message = local(parser.helpText().replace(QStringLiteral("<executable_name>"), QLatin1String(kProgram)));
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::ShowVersion;
        line.message = std::string(kProgram) + " " + TORCHHERO_VERSION + "\n";
        return line;
    }
    if (parser.isSet(size) && !parseWindowSize(local(parser.value(size)), kMaxWindowSide, line.width, line.height))
        return refusal(QStringLiteral("bad window size '%1': expected WxH, each side 1 to %2 pixels")
                           .arg(parser.value(size))
                           .arg(kMaxWindowSide));
    const QString outlineStyle = parser.value(outlines);
    if (parser.isSet(outlines) && outlineStyle != QLatin1String("smooth") && outlineStyle != QLatin1String("fast"))
        return refusal(QStringLiteral("bad outline style '%1': expected smooth or fast").arg(outlineStyle));
    if (parser.isSet(record) && parser.isSet(replay))
        return refusal(QStringLiteral("--record and --replay cannot be used together"));
    if (parser.isSet(practice) + parser.isSet(levelFile) + parser.isSet(replay) > 1)
        return refusal(QStringLiteral("--practice, --level-file and --replay cannot be used together"));
    // A recording replays a run from the first level; practice is no such run.
    if (parser.isSet(record) && (parser.isSet(practice) || parser.isSet(levelFile)))
        return refusal(QStringLiteral("--record cannot be used with --practice or --level-file"));
    if (parser.isSet(practice)) {
        bool number = false;
        line.practiceLevel = parser.value(practice).toInt(&number);
        if (!number || line.practiceLevel < 1 || line.practiceLevel > 8)
            return refusal(QStringLiteral("bad level '%1' to practise: expected 1 to 8").arg(parser.value(practice)));
    }
    for (const auto &fileOption : {data, record, replay, trace, checkLevel, levelFile})
        if (parser.isSet(fileOption) && parser.value(fileOption).isEmpty())
            return refusal(QStringLiteral("--%1 needs a non-empty value").arg(fileOption.names().first()));
    if (parser.isSet(checkLevel)) {
        line.action = CommandLine::CheckLevel;
        line.levelToCheck = local(parser.value(checkLevel));
        return line;
    }
    line.hasNickname = parser.isSet(nickname);
    line.nickname = QtNameEntry::nicknameRule(parser.value(nickname));
    line.fullScreen = parser.isSet(fullScreen);
    line.dataDirectory = local(parser.value(data));
    line.recordFile = local(parser.value(record));
    line.replayFile = local(parser.value(replay));
    line.traceFile = local(parser.value(trace));
    line.hasOutlines = parser.isSet(outlines);
    line.fastOutlines = outlineStyle == QLatin1String("fast");
    line.levelFile = local(parser.value(levelFile));
    line.noGhost = parser.isSet(noGhost);
    return line;
}
