#pragma once

#include <QObject>

namespace dvk {

// Opens the help document DVK.html, which lies beside the program (or in share/dvk), when F1 is
// pressed in any DVK window. A missing document opens nothing.
class HelpLauncher final : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    static QString helpFilePath();
    static void openHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace dvk
