#pragma once
// A lowered bevel: a box, or only a line along its bottom edge, drawn in the
// shadow and highlight colours of a sunken frame. It takes no input.
#include <QWidget>

class TBevel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Shape shape READ shape WRITE setShape)

public:
    enum Shape { Box, BottomLine };
    Q_ENUM(Shape)

    explicit TBevel(QWidget *parent = nullptr);

    Shape shape() const { return shape_; }
    void setShape(Shape shape);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape shape_ = Box;
};
