#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>

namespace korventa {

// A numbered family of controls of one window: Command[13] is the button
// named Command13. Numbers run from 1 to Count, and a loop over the family
// visits the controls in that order.
template <typename Control, int Count> class ControlArray
{
public:
    Control*& operator[](int n)
    {
        Q_ASSERT(n >= 1 && n <= Count);
        return controls_[static_cast<std::size_t>(n - 1)];
    }
    Control* operator[](int n) const
    {
        Q_ASSERT(n >= 1 && n <= Count);
        return controls_[static_cast<std::size_t>(n - 1)];
    }
    auto begin() const { return controls_.begin(); }
    auto end() const { return controls_.end(); }

private:
    std::array<Control*, Count> controls_{};
};

} // namespace korventa
