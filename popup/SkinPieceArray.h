#pragma once

#include "ControlRef.h"

#include <array>

// The border pieces of the popup laid out last: slot i holds the piece that
// shows skin picture i. The program creates it, all zero, before its first
// window and keeps it for the whole run; only the popup writes it. After the
// popup has gone its slots name controls that no longer exist.
class SkinPieceArray
{
public:
    static constexpr int slotCount = 8;

    // Slots are numbered 1 to 8, like the skin pictures they hold.
    ControlRef &operator[](int slot)
    {
        Q_ASSERT(slot >= 1 && slot <= slotCount);
        return m_slots[static_cast<std::size_t>(slot - 1)];
    }
    const ControlRef &operator[](int slot) const
    {
        Q_ASSERT(slot >= 1 && slot <= slotCount);
        return m_slots[static_cast<std::size_t>(slot - 1)];
    }

private:
    std::array<ControlRef, slotCount> m_slots{};
};
