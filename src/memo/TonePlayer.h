#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <memory>

class QAudioSink;

namespace dvk {

// Plays the reminder beep: a generated sine tone through the default audio output. The tone plays
// in the background, so the user interface does not stop for it; without an audio device, or when
// the device refuses the format, nothing is heard and nothing is reported.
class TonePlayer final : public QObject
{
public:
    static constexpr int SampleRate = 44100;

    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    // Starts a tone of `frequency` Hz lasting `durationMs`, followed by `pauseMs` of silence; a
    // tone still playing is cut off. Returns whether an audio output took it.
    bool playTone(int frequency, int durationMs, int pauseMs = 0);

    // Signed 16-bit mono samples at `sampleRate` of the tone and its pause. The tone fades in and
    // out over its first and last two milliseconds so that it starts and ends without a click.
    // Sizes are capped at ten seconds.
    static QByteArray toneSamples(int sampleRate, int frequency, int durationMs, int pauseMs);

private:
    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_samples;
    QBuffer m_buffer;
};

} // namespace dvk
