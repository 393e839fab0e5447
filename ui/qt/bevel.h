#pragma once
// A lowered bevel: a box, or only a line along its bottom edge, drawn as a
// sunken frame, shaded at the top and left and lit at the bottom and right.
// It takes no input.
#include <QWidget>

class BevelWidget : public QWidget {
    Q_OBJECT

public:
    enum Shape { Box, BottomLine };

    explicit BevelWidget(QWidget *parent = nullptr);

    Shape shape() const { return shape_; }
    void setShape(Shape shape);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape shape_ = Box;
};
