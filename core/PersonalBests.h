#pragma once
#include "core/SplitTime.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One level's time in a run or a best: the level's name ("Level01") and
// its split in steps.
struct LevelSplit {
    std::string level;
    SplitTime::Steps steps = 0;
    bool operator==(const LevelSplit &other) const { return level == other.level && steps == other.steps; }
};

// Each nickname's best split of every level, and the splits of its best
// whole run (the smallest total at the run's last exit), in the order the
// levels were played. Nicknames are bytes (RecordNames::isNickname), levels
// are kept by name. Recording never stores a value the file could not hold:
// the limits below are the file's.
class PersonalBests {
public:
    // Most nicknames kept. Players are kept in the order of their last
    // record, the least recent first; a new one beyond the limit drops the
    // least recent.
    static constexpr std::size_t kMaxPlayers = 64;
    // Most levels with a best per nickname, and most splits in a run.
    static constexpr std::size_t kMaxLevels = 32;

    struct Player {
        std::string nickname;
        std::vector<LevelSplit> bests; // one per level, in the order first reached
        std::vector<LevelSplit> run;   // empty until a run was recorded
    };

    PersonalBests() = default;
    // The players as given, least recent first; the file reader has checked
    // the limits and that no nickname or best level occurs twice.
    explicit PersonalBests(std::vector<Player> players) : m_players(std::move(players)) {}

    // A finished level's split. True when it is the nickname's first or a
    // shorter one for that level (a tie keeps the older best). False, and
    // nothing kept, for a nickname or level name that cannot be stored, a
    // split outside 0 .. SplitTime::kMaxSteps, or a new level beyond
    // kMaxLevels.
    bool recordSplit(const std::string &nickname, const std::string &level, SplitTime::Steps steps);

    // A finished run's splits, in the order played. True when it is the
    // nickname's first run or its total is shorter than the best run's.
    // Refused (false) like recordSplit, or for an empty run or one of more
    // than kMaxLevels splits. Per-level bests are recordSplit's business.
    bool recordRun(const std::string &nickname, const std::vector<LevelSplit> &splits);

    std::optional<SplitTime::Steps> bestSplit(const std::string &nickname, const std::string &level) const;
    // The best run's total after its first `exits` splits (0 for none), to
    // set against the current run's at the same exit; empty without a best
    // run or when that run had fewer exits.
    std::optional<SplitTime::Steps> bestRunTotal(const std::string &nickname, std::size_t exits) const;
    // The best run's splits; empty without one.
    std::vector<LevelSplit> bestRun(const std::string &nickname) const;

    const std::vector<Player> &players() const { return m_players; }

private:
    const Player *find(const std::string &nickname) const;
    // The nickname's entry moved to the most recent place, made when new.
    Player &touch(const std::string &nickname);

    std::vector<Player> m_players;
};
