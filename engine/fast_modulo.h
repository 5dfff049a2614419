#pragma once
// The remainder by a divisor fixed once, found with two multiplications
// instead of a division, exactly for every 32-bit number (D. Lemire, O. Kaser,
// N. Kurz, "Faster remainder by direct computation", 2019). The table's slot
// is the index key modulo its size at every probe and store.

#include <cstdint>

namespace selvako {

class FastModulo {
  public:
    explicit FastModulo(std::uint32_t divisor = 1)
        : m_multiplier(UINT64_MAX / divisor + 1), m_divisor(divisor) {}

    std::uint32_t divisor() const { return m_divisor; }

    std::uint32_t of(std::uint32_t value) const {
        const std::uint64_t fraction = m_multiplier * value;
        return static_cast<std::uint32_t>((static_cast<unsigned __int128>(fraction) * m_divisor) >>
                                          64);
    }

  private:
    std::uint64_t m_multiplier;
    std::uint32_t m_divisor;
};

} // namespace selvako
