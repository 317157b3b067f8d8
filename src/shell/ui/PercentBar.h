#pragma once
#include <QColor>
#include <QWidget>

namespace lexaroo {

// A horizontal percentage bar: a sunken 3-D panel whose inside is filled
// from the left to `value` per cent (0..100). The games show their running
// score and their speed with it. Every edge is snapped to whole device
// pixels, so the bar stays sharp at any screen scale.
class PercentBar : public QWidget {
    Q_OBJECT
public:
    explicit PercentBar(QWidget* parent = nullptr);

    int value() const { return value_; }
    // Values outside 0..100 are brought to the nearest end.
    void setValue(int percent);

    QColor fillColor() const { return fill_; }
    void setFillColor(const QColor& colour);
    QColor emptyColor() const { return empty_; }
    void setEmptyColor(const QColor& colour);

    // Width in device pixels of the filled part for a bar whose inside is
    // `insideWidth` device pixels wide.
    static int FilledWidth(int insideWidth, int percent);

    QSize sizeHint() const override { return {161, 33}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int value_ = 0;
    QColor fill_{0, 0, 255};
    QColor empty_{192, 192, 192};
};

} // namespace lexaroo
