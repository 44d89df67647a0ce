#pragma once
// TipsFile: the Tip of the Day texts, a file in <data folder>/doc. The
// first line is the number of tips N (decimal; below 0 or above 100 counts
// as 0); each following line is one tip. Lines are read as a 512-byte
// buffer reads them, so a line longer than 511 bytes arrives as several
// tips. Tips are numbered 1 to N. Plain value, not thread-safe.

#include <QString>
#include <QStringList>

namespace pictavo {

class TipsFile {
public:
    static constexpr int kMaxTips = 100;

    // A missing or unreadable file gives a file without tips.
    static TipsFile read(const QString& path);

    int count() const { return count_; }
    bool hasTips() const { return count_ > 0; }

    // The k-th tip; empty when k is out of range or the file ends before it
    // (the dialog then keeps the tip it shows).
    QString tip(int k) const;
    // The tip after k: the first one after the N-th.
    int nextIndex(int k) const;
    // The tip shown first, from a random value: (random mod N) + 1; 0 when
    // there are no tips.
    int firstIndex(quint32 random) const;

private:
    int count_ = 0;
    QStringList lines_;  // the tip lines present in the file, at most count_
};

}  // namespace pictavo
