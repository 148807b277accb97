#include "SealedHeader.h"

#include <QtEndian>
#include <algorithm>

namespace dvk {
namespace {

constexpr char Magic[] = "DVKSEAL1";
constexpr qsizetype MagicSize = 8;

} // namespace

bool SealedHeader::hasPreamble(QByteArrayView firstBytes)
{
    return firstBytes.size() >= MagicSize &&
           firstBytes.first(MagicSize) == QByteArrayView(Magic, MagicSize);
}

std::optional<SealedHeader> SealedHeader::parse(QByteArrayView bytes)
{
    if (bytes.size() < Size || !hasPreamble(bytes))
        return std::nullopt;
    SealedHeader h;
    h.opsLimit = qFromLittleEndian<quint32>(bytes.data() + 8);
    h.memLimitKiB = qFromLittleEndian<quint32>(bytes.data() + 12);
    if (h.opsLimit < MinOpsLimit || h.opsLimit > MaxOpsLimit || h.memLimitKiB < MinMemLimitKiB ||
        h.memLimitKiB > MaxMemLimitKiB)
        return std::nullopt;
    std::copy_n(bytes.data() + 16, h.salt.size(), h.salt.begin());
    std::copy_n(bytes.data() + 32, h.streamHeader.size(), h.streamHeader.begin());
    return h;
}

QByteArray SealedHeader::bytes() const
{
    QByteArray out(Size, '\0');
    std::copy_n(Magic, MagicSize, out.data());
    qToLittleEndian(opsLimit, out.data() + 8);
    qToLittleEndian(memLimitKiB, out.data() + 12);
    std::copy(salt.begin(), salt.end(), out.data() + 16);
    std::copy(streamHeader.begin(), streamHeader.end(), out.data() + 32);
    return out;
}

} // namespace dvk
