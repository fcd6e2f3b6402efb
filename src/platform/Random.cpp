#include "platform/Random.h"

#include <bit>

namespace bexalo {

void MersenneRandom::reseed(float clockReading)
{
    // Every distinct reading, fraction included, gives its own sequence.
    m_engine.seed(std::bit_cast<std::uint32_t>(clockReading));
}

} // namespace bexalo
