#pragma once

#include "SealedHeader.h"
#include "SealedStream.h"

namespace dvk {

// A read-only QIODevice layer that unseals a sealed file (see SealedHeader) read from another
// device, chunk by chunk, handing out only bytes that authenticated. Any damage (a bad header, a
// chunk length out of range, a chunk that fails to authenticate, a first chunk that is not the
// marker, the end of the input before the final chunk) makes a read fail with an error text.
// finish() then checks what the reader of the plaintext cannot: that the final chunk came and
// nothing follows it. size() is an upper bound of the plaintext (the inner size less the header).
class SealedReader final : public SealedStream
{
    Q_OBJECT
public:
    // `inner` must be open for reading at the start of the file; neither it nor `key` is owned.
    SealedReader(QIODevice* inner, const SealKey& key)
        : SealedStream(inner, key)
    {}

    bool open(OpenMode mode) override;
    qint64 size() const override
    {
        return std::max<qint64>(0, m_inner->size() - SealedHeader::Size);
    }
    qint64 bytesAvailable() const override { return m_plain.size() - m_used; }
    // Reads to the final chunk and past it; true when the file ends right there.
    bool finish();

    static const QString DamagedMessage;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool nextChunk();
    bool readExactly(char* data, qint64 size);
    bool fail();

    qsizetype m_used = 0;
    int m_chunks = 0;
    bool m_final = false;
    bool m_failed = false;
};

} // namespace dvk
