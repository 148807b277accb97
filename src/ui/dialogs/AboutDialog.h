#pragma once

#include <QDialog>

class QPushButton;

namespace dvk {

class LinkLabel;

// "About DVK": the program icon, the version and a link to the maker's home page. OK has the
// focus when the box opens.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    LinkLabel* homePageLink() const { return m_link; }
    QPushButton* okButton() const { return m_ok; }

    // The maker's home page. A placeholder in the reserved example.org domain (RFC 2606) until
    // the maker's real address is known; the label shows the address it opens.
    static const QString HomePage;

private:
    LinkLabel* m_link;
    QPushButton* m_ok = nullptr;
};

} // namespace dvk
