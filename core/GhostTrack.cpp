#include "core/GhostTrack.h"

#include <algorithm>

bool GhostTrack::append(const GhostFrame &frame)
{
    if (m_frames.size() >= kMaxFrames) {
        m_cut = true;
        return false;
    }
    m_frames.push_back(frame);
    return true;
}

const GhostFrame &GhostTrack::at(std::size_t step) const { return m_frames[std::min(step, m_frames.size() - 1)]; }

void GhostTrack::clear()
{
    m_frames.clear();
    m_cut = false;
}
