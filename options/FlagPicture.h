#pragma once

#include <QAbstractButton>
#include <QPixmap>

class OutlineShape;

// A flag, one of the program's pictures named by the caller, at its exact pixel size: one choice
// of the interface language, reached by a click, Tab and the arrow keys. The red outline marks
// the choice.
class FlagPicture : public QAbstractButton
{
    Q_OBJECT
public:
    FlagPicture(const QString& picture, QWidget* parent = nullptr);

    QPixmap picture() const { return m_picture; }
    // The red outline drawn around the flag; shown and hidden with the choice.
    OutlineShape* outline() const { return m_outline; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    OutlineShape* m_outline;
};
