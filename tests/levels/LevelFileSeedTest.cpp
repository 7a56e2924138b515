// Replays the level-file fuzz target's seeds (the eight levels and the
// documented example) through its check, each whole and cut at every
// length: a deterministic miniature of the fuzz runs.
#include "levels/LevelReader.h"
#include "tools/fuzz/LevelFileCheck.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
std::string contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}
} // namespace

TEST(LevelFileSeedReplay, EverySeedAndEveryTruncationIsHandledSoundly)
{
    QStringList seeds{QStringLiteral(TESTS_SOURCE_DIR "/../docs/example.level")};
    for (int n = 1; n <= 8; ++n)
        seeds << QStringLiteral(":/levels/Level0%1.level").arg(n);
    for (const QString &seed : seeds) {
        const std::string text = contents(seed);
        ASSERT_FALSE(text.empty()) << seed.toStdString();
        EXPECT_EQ(fuzz::checkLevelFile(text), "") << seed.toStdString();
        for (std::size_t length = 0; length < text.size(); ++length)
            ASSERT_EQ(fuzz::checkLevelFile(text.substr(0, length)), "") << seed.toStdString() << " cut to " << length;
    }
}
