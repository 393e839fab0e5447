#pragma once
// Labels that size to their text by the shared rule, shorten a text too long
// for them and report clicks.
#include "click_tracker.h"
#include "layout.h"

#include <QLabel>

#include <optional>

// A label too narrow for its text (a fixed-size one, or a self-sizing one at
// its maximum width) shows the text shortened in the middle with "…", so
// that its start and end stay visible, and whole in a tooltip. text() is
// always the whole text.
class LabelWidget : public QLabel {
    Q_OBJECT

public:
    explicit LabelWidget(QWidget *parent = nullptr);

    // Sized and shortened as `layout` says, which outlives the label.
    void setLayout(const core::ControlLayout &layout);

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class LabelTextWatcher;
    bool isShortened() const;
    void watchParent();
    // Fits the label to its text unless it already fits this text.
    void followText();
    void fitText();

    const core::ControlLayout *layout_ = nullptr;
    QString fittedText_;
    std::optional<QFont> fittedFont_;  // none until the label is first fitted
    int fittedFrame_ = 0;
    ClickTracker click_;
};
