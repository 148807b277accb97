#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

namespace dvk {

// The folding that makes matching ignore case and diacritics: each character is decomposed
// (NFD), its combining marks are dropped and the rest is case-folded, so "Äpfel" and "apfel"
// fold alike. Stored texts are mostly ASCII; for those the folding is plain ASCII lower case
// and the search runs on the stored bytes themselves, without a folded copy.
namespace SearchText {

// The folded text. When `sources` is given it receives, for every character of the result, the
// index in `text` of the character it came from.
QString fold(QStringView text, std::vector<qsizetype>* sources = nullptr);
bool isAscii(QByteArrayView bytes);
// The first position of `foldedNeedle` (ASCII, already folded) in ASCII `text`, ignoring
// ASCII case; -1 when absent. An empty needle is found at 0.
qsizetype findAscii(QByteArrayView text, QByteArrayView foldedNeedle);

} // namespace SearchText
} // namespace dvk
