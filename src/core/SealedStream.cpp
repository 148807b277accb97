#include "SealedStream.h"

namespace dvk {

SealedStream::SealedStream(QIODevice* inner, const SealKey& key)
    : m_inner(inner)
    , m_key(key)
{}

SealedStream::~SealedStream()
{
    sodium_memzero(&m_state, sizeof m_state);
    if (!m_plain.isEmpty())
        sodium_memzero(m_plain.data(), size_t(m_plain.size()));
}

} // namespace dvk
