#pragma once

#include <cstdlib>

namespace folia {

// Whole wheel notches out of angle deltas: fine-grained wheels and touchpads report parts
// of a notch, which count once a notch is complete.
class WheelNotches {
public:
    static constexpr int kNotch = 120; // angle delta of one notch

    // The notches completed by this delta; positive = away from the user.
    int add(int angleDelta) {
        m_remainder += angleDelta;
        const int notches = m_remainder / kNotch;
        m_remainder -= notches * kNotch;
        return notches;
    }
    void reset() { m_remainder = 0; }

private:
    int m_remainder = 0;
};

} // namespace folia
