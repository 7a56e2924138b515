#include "run/TimeTrial.h"

#include "core/GhostFile.h"
#include "core/PersonalBestsFile.h"
#include "levels/ScriptedLevel.h"
#include "sim/GameRegistry.h"
#include "sim/Player.h"
#include "sim/WorldProxy.h"

#include <algorithm>

namespace {
const char *const kGap = "  ";

NoticeTint tintOf(SplitTime::Pace pace)
{
    switch (pace) {
    case SplitTime::Pace::Faster: return NoticeTint::Green;
    case SplitTime::Pace::Slower: return NoticeTint::Red;
    default: return NoticeTint::White;
    }
}

// "LABEL  m:ss.cc", then the difference to the best, coloured by the pace.
NoticeLine timeLine(const std::string &label, SplitTime::Steps time, std::optional<SplitTime::Steps> best)
{
    NoticeLine line{{label + kGap + SplitTime::format(time), NoticeTint::White}};
    if (best)
        line.push_back({kGap + SplitTime::formatDifference(time, best), tintOf(SplitTime::compare(time, best))});
    return line;
}
} // namespace

TimeTrial::TimeTrial(WorldProxy &worldProxy, const std::vector<World *> &worldList, TimeTrialSetup trialSetup)
    : proxy(worldProxy), worlds(worldList), setup(trialSetup), ghostShown(trialSetup.showGhost)
{
    if (setup.levelsKept)
        records = PersonalBestsFile::load(PersonalBestsFile::path());
}

Level *TimeTrial::levelOf(World *world) { return dynamic_cast<ScriptedLevel *>(world); }

std::string TimeTrial::nameOf(Level *level)
{
    const auto *scripted = dynamic_cast<ScriptedLevel *>(level);
    std::string name = scripted ? scripted->name() : std::string();
    // A level file's name goes into the trace and over the picture: no
    // control character may break a line there.
    for (char &c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return name;
}

void TimeTrial::beforeStep()
{
    World *world = proxy.world();
    if (world == lastWorld)
        return;
    if (!lastWorld) // the run's first world
        fullRun = !setup.practice && !worlds.empty() && world == worlds.front();
    lastWorld = world;
    enter(levelOf(world));
}

void TimeTrial::enter(Level *entered)
{
    level = entered;
    levelName = nameOf(level);
    steps = 0;
    attempt.clear();
    ghost = level && setup.levelsKept ? ghostOf(levelName) : nullptr;
}

void TimeTrial::stepped()
{
    if (!level)
        return;
    ++steps;
    if (setup.practice) // no life is ever lost for good
        GameRegistry::setLives(3);
    if (const Player *hero = level->getPlayer())
        attempt.append(hero->pose());
    World *next = proxy.requestedWorld();
    // Losing the last life asks for the last world, game over: no exit.
    if (next && !worlds.empty() && next != worlds.back())
        finishLevel(next);
}

void TimeTrial::finishLevel(World *next)
{
    const std::string nickname = GameRegistry::getNickname();
    const LevelSplit split{levelName, steps};
    finished = split;
    if (!setup.practice)
        runSplits.push_back(split);
    const std::optional<SplitTime::Steps> best =
        setup.levelsKept ? records.bestSplit(nickname, levelName) : std::nullopt;
    notice = makeNotice(split, best);
    noticeWorld = setup.practice ? level : next;
    noticeSteps = kNoticeSteps;

    bool changed = false;
    if (setup.levelsKept && records.recordSplit(nickname, levelName, steps)) {
        changed = true;
        keepBest(levelName);
    }
    const auto levelCount = size_t(std::count_if(worlds.begin(), worlds.end(), levelOf));
    if (fullRun && !levelOf(next) && runSplits.size() == levelCount && setup.levelsKept)
        changed = records.recordRun(nickname, runSplits) || changed;
    if (changed && setup.keepRecords)
        PersonalBestsFile::save(PersonalBestsFile::path(), records);
    if (setup.practice)
        restartPractice();
}

void TimeTrial::keepBest(const std::string &name)
{
    if (attempt.empty() || attempt.cut())
        return;
    ghosts[name] = attempt;
    const std::string path = GhostFile::path(GameRegistry::getNickname(), name);
    if (setup.keepRecords && !path.empty())
        GhostFile::save(path, attempt);
}

void TimeTrial::restartPractice()
{
    proxy.cancelRequest();
    GameRegistry::takeBackWorld();
    level->restart();
    enter(level);
}

const GhostTrack *TimeTrial::ghostOf(const std::string &name)
{
    auto known = ghosts.find(name);
    if (known == ghosts.end()) {
        GhostTrack track;
        const std::string path = GhostFile::path(GameRegistry::getNickname(), name);
        if (!path.empty())
            if (std::optional<GhostTrack> loaded = GhostFile::load(path))
                track = std::move(*loaded);
        known = ghosts.emplace(name, std::move(track)).first;
    }
    return known->second.empty() ? nullptr : &known->second;
}

std::optional<LevelSplit> TimeTrial::takeSplit()
{
    std::optional<LevelSplit> split = std::move(finished);
    finished.reset();
    return split;
}

std::vector<NoticeLine> TimeTrial::makeNotice(const LevelSplit &split, std::optional<SplitTime::Steps> best) const
{
    std::vector<NoticeLine> lines{timeLine(split.level, split.steps, best)};
    if (fullRun) {
        SplitTime::Steps total = 0;
        for (const LevelSplit &each : runSplits)
            total += each.steps;
        lines.push_back(
            timeLine("Run", total, records.bestRunTotal(GameRegistry::getNickname(), runSplits.size())));
    }
    return lines;
}

const FigurePose *TimeTrial::ghostPose() const
{
    if (!ghostShown || !ghost || !level || steps == 0 || proxy.world() != level)
        return nullptr;
    return &ghost->at(size_t(steps - 1));
}

std::vector<NoticeLine> TimeTrial::noticeLines() const
{
    std::vector<NoticeLine> lines;
    if (setup.practice && level)
        lines.push_back({{"Practice" + std::string(kGap) + levelName, NoticeTint::White}});
    if (noticeSteps > 0 && proxy.world() == noticeWorld)
        lines.insert(lines.end(), notice.begin(), notice.end());
    for (const std::string &line : problem)
        lines.push_back({{line, NoticeTint::Red}});
    return lines;
}

void TimeTrial::afterStep()
{
    if (noticeSteps > 0 && proxy.world() == noticeWorld)
        --noticeSteps;
}
