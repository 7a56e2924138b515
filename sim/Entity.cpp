#include "sim/Entity.h"

#include "core/WarningBox.h"

#include <cmath>
#include <utility>

namespace {
// How far a walking figure reaches towards a face along its normal, and how
// far the hit point may lie from the figure's new position before the face
// is taken to have crushed it. World units.
constexpr float kQuadReach = 1.0f;
constexpr float kCrushDistance = 2.0f;
// Float steps a sphere push may be shortened by so that the spheres still
// touch.
constexpr int kMaxPushShortening = 16;

// The 3x3 system of solveFrame, row-major: m[row][column].
struct FrameSystem {
    float m[3][3];
    float r[3];

    void swapRows(int i, int j)
    {
        for (int c = 0; c < 3; ++c)
            std::swap(m[i][c], m[j][c]);
        std::swap(r[i], r[j]);
    }

    // Pivots are fixed up front, column by column: a zero diagonal entry is
    // swapped with every later row that has a non-zero entry in that column,
    // one after the other, so the last such row ends up as the pivot. The
    // elimination itself never pivots again; a pivot that only becomes zero
    // during elimination yields non-finite values (no collision).
    void arrangePivots()
    {
        for (int k = 0; k < 3; ++k) {
            if (m[k][k] != 0.0f)
                continue;
            for (int j = k; j < 3; ++j)
                if (m[j][k] != 0.0f)
                    swapRows(j, k);
        }
    }

    void eliminate()
    {
        for (int k = 0; k < 3; ++k)
            for (int i = k + 1; i < 3; ++i) {
                const float factor = m[i][k] / m[k][k];
                for (int c = k + 1; c < 3; ++c)
                    m[i][c] -= factor * m[k][c];
                r[i] -= factor * r[k];
            }
    }

    SbVec3f substituteBack() const
    {
        float x[3];
        for (int i = 2; i >= 0; --i) {
            float sum = r[i];
            for (int j = i + 1; j < 3; ++j)
                sum -= m[i][j] * x[j];
            x[i] = sum / m[i][i];
        }
        return SbVec3f(x[0], x[1], x[2]);
    }
};

bool inUnitRange(float v) { return v >= 0.0f && v <= 1.0f; }
} // namespace

Entity::Entity() : Entity(SbVec3f(0.0f, 0.0f, 0.0f)) {}

Entity::Entity(float x, float y, float z) : Entity(SbVec3f(x, y, z)) {}

Entity::Entity(SbVec3f point)
    : startPosition(point), position(point), previousPosition(point), nextPosition(point)
{
}

void Entity::setPosition(float x, float y, float z) { setPosition(SbVec3f(x, y, z)); }

SbVec3f Entity::setPosition(SbVec3f point)
{
    position = point;
    nextPosition = point;
    return position;
}

SbVec3f Entity::solveFrame(SbVec3f origin, SbVec3f a, SbVec3f b, SbVec3f c, SbVec3f p)
{
    const SbVec3f rhs = p - origin;
    FrameSystem system;
    for (int row = 0; row < 3; ++row) {
        system.m[row][0] = a[row];
        system.m[row][1] = b[row];
        system.m[row][2] = c[row];
        system.r[row] = rhs[row];
    }
    system.arrangePivots();
    system.eliminate();
    return system.substituteBack();
}

void Entity::showError(const std::string &text) { showWarningBox(kErrorCaption, text); }

bool Entity::sweepMeetsQuad(SbVec3f sweep, SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB,
                            SbVec3f &hit) const
{
    const float length = sweep.length();
    const SbVec3f direction = sweep / length;
    const SbVec3f stu = solveFrame(corner, edgeA, edgeB, -direction, previousPosition);
    if (!inUnitRange(stu[0]) || !inUnitRange(stu[1]))
        return false;
    hit = corner + edgeA * stu[0] + edgeB * stu[1];
    return (hit - previousPosition).length() < length;
}

bool Entity::sweptQuadContact(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    const SbVec3f sweep = (position - previousPosition) - normal * kQuadReach;
    if (sweep.dot(normal) >= 0.0f)
        return false; // not moving into the front face
    SbVec3f hit;
    if (!sweepMeetsQuad(sweep, corner, edgeA, edgeB, hit))
        return false;
    if ((hit - position).length() > kCrushDistance)
        kill();
    return true;
}

void Entity::restInFrontOfQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    const SbVec3f stu = solveFrame(corner, edgeA, edgeB, -normal, position);
    const SbVec3f foot = corner + edgeA * stu[0] + edgeB * stu[1];
    setPosition(foot + normal * kQuadReach);
}

bool Entity::spheresTouch(SbVec3f centre, float radius, float ownRadius) const
{
    return (centre - position).length() <= radius + ownRadius;
}

void Entity::pushOutOfSphere(SbVec3f centre, float radius, float ownRadius)
{
    SbVec3f away = centre - position;
    // Coin's normalize leaves a zero vector as it is; checking first only
    // spares its debug warning, the result is the same.
    if (away != SbVec3f(0.0f, 0.0f, 0.0f))
        away.normalize();
    // Rounding can leave the pushed actor a hair beyond touching distance,
    // and the other side of the pair would then miss the contact (a Didud
    // pushed away by the hero would not kill him half the time): step it
    // back towards the centre, one float at a time, until the spheres touch.
    const float reach = radius + ownRadius;
    SbVec3f pushed = centre - away * reach;
    for (int i = 0; i < kMaxPushShortening && (centre - pushed).length() > reach; ++i)
        for (int axis = 0; axis < 3; ++axis)
            pushed[axis] = std::nextafter(pushed[axis], centre[axis]);
    setPosition(pushed);
}
