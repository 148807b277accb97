#pragma once

#include "SealedHeader.h"
#include "SealedStream.h"

namespace dvk {

// A write-only QIODevice layer that seals everything written to it into the sealed form (see
// SealedHeader) on another device. Opening writes the header with a new stream header; finish()
// pushes the last chunk with TAG_FINAL and must be called, and succeed, for the output to be a
// complete sealed file.
class SealedWriter final : public SealedStream
{
    Q_OBJECT
public:
    // `inner` must be open for writing; neither it nor `key` is owned.
    SealedWriter(QIODevice* inner, const SealKey& key)
        : SealedStream(inner, key)
    {}

    bool open(OpenMode mode) override;
    bool finish();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool push(unsigned char tag);

    bool m_markerPushed = false;
    bool m_finished = false;
};

} // namespace dvk
