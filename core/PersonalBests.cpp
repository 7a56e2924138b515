#include "core/PersonalBests.h"

#include "core/RecordNames.h"

#include <algorithm>

namespace {
bool storable(const LevelSplit &split)
{
    return RecordNames::isLevelName(split.level) && split.steps >= 0 && split.steps <= SplitTime::kMaxSteps;
}

SplitTime::Steps total(const std::vector<LevelSplit> &splits, std::size_t count)
{
    SplitTime::Steps sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += splits[i].steps; // at most kMaxLevels × kMaxSteps: no overflow
    return sum;
}
} // namespace

const PersonalBests::Player *PersonalBests::find(const std::string &nickname) const
{
    for (const Player &player : m_players)
        if (player.nickname == nickname)
            return &player;
    return nullptr;
}

PersonalBests::Player &PersonalBests::touch(const std::string &nickname)
{
    auto it = std::find_if(m_players.begin(), m_players.end(),
                           [&](const Player &player) { return player.nickname == nickname; });
    Player player;
    if (it != m_players.end()) {
        player = std::move(*it);
        m_players.erase(it);
    } else {
        player.nickname = nickname;
        if (m_players.size() >= kMaxPlayers)
            m_players.erase(m_players.begin());
    }
    m_players.push_back(std::move(player));
    return m_players.back();
}

bool PersonalBests::recordSplit(const std::string &nickname, const std::string &level, SplitTime::Steps steps)
{
    const LevelSplit split{level, steps};
    if (!RecordNames::isNickname(nickname) || !storable(split))
        return false;
    const Player *known = find(nickname);
    const bool hasLevel = known && std::any_of(known->bests.begin(), known->bests.end(),
                                               [&](const LevelSplit &best) { return best.level == level; });
    if (known && !hasLevel && known->bests.size() >= kMaxLevels)
        return false;
    Player &player = touch(nickname);
    for (LevelSplit &best : player.bests)
        if (best.level == level) {
            if (steps >= best.steps)
                return false;
            best.steps = steps;
            return true;
        }
    player.bests.push_back(split);
    return true;
}

bool PersonalBests::recordRun(const std::string &nickname, const std::vector<LevelSplit> &splits)
{
    if (!RecordNames::isNickname(nickname) || splits.empty() || splits.size() > kMaxLevels ||
        !std::all_of(splits.begin(), splits.end(), storable))
        return false;
    Player &player = touch(nickname);
    if (!player.run.empty() && total(splits, splits.size()) >= total(player.run, player.run.size()))
        return false;
    player.run = splits;
    return true;
}

std::optional<SplitTime::Steps> PersonalBests::bestSplit(const std::string &nickname, const std::string &level) const
{
    if (const Player *player = find(nickname))
        for (const LevelSplit &best : player->bests)
            if (best.level == level)
                return best.steps;
    return std::nullopt;
}

std::optional<SplitTime::Steps> PersonalBests::bestRunTotal(const std::string &nickname, std::size_t exits) const
{
    const Player *player = find(nickname);
    if (!player || player->run.empty() || exits > player->run.size())
        return std::nullopt;
    return total(player->run, exits);
}

std::vector<LevelSplit> PersonalBests::bestRun(const std::string &nickname) const
{
    const Player *player = find(nickname);
    return player ? player->run : std::vector<LevelSplit>{};
}
