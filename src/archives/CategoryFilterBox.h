#pragma once

#include "SortedComboBox.h"

namespace dvk {

// The category box of the Archives panel (and of "DVK Item Property"): a sorted, editable list
// of the category texts. It remembers the last category applied; choosing an entry or typing a
// text and pressing Enter applies it when it differs from the remembered one (case counts),
// announced by filterChosen(). Enter is consumed, so it never presses a dialog's default button.
class CategoryFilterBox final : public SortedComboBox
{
    Q_OBJECT

public:
    static constexpr int MaxLength = 80;

    explicit CategoryFilterBox(QWidget* parent = nullptr);

    const QString& rememberedText() const { return m_remembered; }
    // Remembers `text`, selects its entry (adding it when there is none exactly equal), and
    // announces filterChosen(). An empty text selects nothing but is announced all the same.
    void showText(const QString& text);

Q_SIGNALS:
    // The remembered text changed and should be applied as the filter.
    void filterChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool handleEnter(QEvent* event);
    void entryChosen(int index);
    void apply(const QString& text);

    QString m_remembered;
    bool m_enterDown = false;
};

} // namespace dvk
