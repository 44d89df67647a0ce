#pragma once
// CaptionBar: the 18-pixel title strip above a pane, its text on a blue
// gradient.

#include <QString>
#include <QWidget>

namespace pictavo {

class CaptionBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 18;

    explicit CaptionBar(const QString& text, QWidget* parent = nullptr);
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace pictavo
