#pragma once
#include <QLabel>

namespace lexaroo {

// A label that can be clicked: letter tiles, list entries, grid cells and
// captions that act like their buttons. A left press and release inside the
// label is one click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

ClickLabel* MakeClickLabel(QWidget* parent, const QString& name, const QString& text, int left,
                           int top, int width, int height);

} // namespace lexaroo
