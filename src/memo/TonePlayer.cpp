#include "TonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace dvk {
namespace {

constexpr int MaxMilliseconds = 10'000;
constexpr double Amplitude = 0.3 * 32767;
constexpr int FadeMilliseconds = 2;

qint64 sampleCount(int sampleRate, int milliseconds)
{
    return qint64(sampleRate) * std::clamp(milliseconds, 0, MaxMilliseconds) / 1000;
}

} // namespace

TonePlayer::TonePlayer(QObject* parent)
    : QObject(parent)
{}

TonePlayer::~TonePlayer()
{
    if (m_sink)
        m_sink->stop();
}

QByteArray TonePlayer::toneSamples(int sampleRate, int frequency, int durationMs, int pauseMs)
{
    if (sampleRate <= 0)
        return {};
    const qint64 tone = frequency > 0 ? sampleCount(sampleRate, durationMs) : 0;
    const qint64 total = tone + sampleCount(sampleRate, pauseMs);
    QByteArray bytes(total * qsizetype(sizeof(qint16)), '\0');
    auto* samples = reinterpret_cast<qint16*>(bytes.data());
    const qint64 fade = std::max<qint64>(1, sampleCount(sampleRate, FadeMilliseconds));
    for (qint64 i = 0; i < tone; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(tone - 1 - i) / fade});
        const double phase = 2 * std::numbers::pi * frequency * double(i) / sampleRate;
        samples[i] = qint16(std::lround(Amplitude * envelope * std::sin(phase)));
    }
    return bytes;
}

bool TonePlayer::playTone(int frequency, int durationMs, int pauseMs)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;

    if (m_sink)
        m_sink->stop();
    m_buffer.close();
    m_samples = toneSamples(SampleRate, frequency, durationMs, pauseMs);
    m_buffer.setBuffer(&m_samples);
    m_buffer.open(QIODevice::ReadOnly);
    // A new sink each time follows a change of the default output.
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&m_buffer);
    return m_sink->error() == QAudio::NoError;
}

} // namespace dvk
