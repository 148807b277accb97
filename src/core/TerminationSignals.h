#pragma once

#include <QObject>

class QSocketNotifier;

namespace dvk {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered on the event loop, so the program
// can end the way the user's own "Close" or "Cancel" would. The handler only writes the signal
// number to a socket pair, the one thing that is safe inside a signal handler.
class TerminationSignals final : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False when the handlers could not be installed.
    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace dvk
