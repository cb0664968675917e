#pragma once

#include <QColor>
#include <QWidget>

// A rectangle outline drawn over other controls; clicks pass through to what lies beneath.
class OutlineShape : public QWidget
{
    Q_OBJECT
public:
    OutlineShape(const QColor& colour, int penWidth, QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    int penWidth() const { return m_penWidth; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
    int m_penWidth;
};
