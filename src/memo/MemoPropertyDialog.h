#pragma once

#include "MemoSchedule.h"

#include <QDialog>
#include <QTimer>
#include <array>

class QAbstractButton;
class QCheckBox;
class QDateEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace dvk {

class LimitedTextEdit;

// "Memo Property": edits a memo's text, due date and time, beep and recurrence. OK is enabled
// only while the text is not blank and the chosen moment lies more than a minute ahead; the rule
// is checked again every second, so OK turns off by itself as the moment comes near. On OK the
// beep choice is kept as the default for the next new memo (the BeepFlag setting).
class MemoPropertyDialog final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxTextLength = 255;
    static const QString AnyTimeCaption;

    // A new memo's defaults: empty text, now + 12:12:12, beep from BeepFlag, any time, no
    // recurrence.
    explicit MemoPropertyDialog(const Clock& clock, QWidget* parent = nullptr);
    ~MemoPropertyDialog() override;

    // Fills the controls from a memo, for Edit.
    void loadFrom(const MemoRecord& memo);
    // Writes the chosen fields into a memo (all but `dismissed`); the stored time is the time
    // picker's even for an any-time memo.
    void storeInto(MemoRecord& memo) const;

    QString text() const;
    void setText(const QString& text);
    QDate date() const;
    void setDate(const QDate& date);
    QTime time() const;
    // Sets the time picker as the user does, which also chooses the timed radio button.
    void setTime(const QTime& time);
    bool anyTime() const;
    void setAnyTime(bool anyTime);
    bool beep() const;
    void setBeep(bool beep);
    int recurrence() const;
    void setRecurrence(int recurrence);
    bool isOkEnabled() const;

public Q_SLOTS:
    void refreshOkButton();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void postRefreshOkButton();
    void timePicked();
    void onOk();
    void stopRecheck();

    MemoSchedule m_schedule;
    LimitedTextEdit* m_text;
    QDateEdit* m_date;
    QRadioButton* m_anyTime;
    QRadioButton* m_timed;
    QTimeEdit* m_time;
    QCheckBox* m_beep;
    std::array<QRadioButton*, 5> m_recurrence{};
    QPushButton* m_ok;
    QTimer m_recheck;
};

} // namespace dvk
