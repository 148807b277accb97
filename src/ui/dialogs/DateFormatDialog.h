#pragma once

#include "Clock.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace dvk {

// "Date Format": lets the user type the date picture that every list shows dates with, try it on
// today's date and store it as the DateFormat setting. OK is enabled only while the picture,
// trimmed, formats today's date (see DatePicture for the pictures that are rejected).
class DateFormatDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit DateFormatDialog(QWidget* parent = nullptr, const Clock& clock = Clock::system());

    void accept() override;

    // The trimmed text of the format box.
    QString picture() const;
    QLineEdit* formatEdit() const { return m_format; }
    QLineEdit* sampleEdit() const { return m_sample; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* showSampleButton() const { return m_showSample; }

    // Today's date in `picture` as the dialog shows it; nullopt when the picture is rejected.
    static std::optional<QString> sampleText(const QString& picture, QDate today);

public Q_SLOTS:
    void refreshOkButton();
    void showSample();

private:
    const Clock& m_clock;
    QLineEdit* m_format;
    QLineEdit* m_sample;
    QPushButton* m_showSample;
    QPushButton* m_ok;
};

} // namespace dvk
