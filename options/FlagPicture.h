#pragma once

#include <QLabel>

// A flag drawn from an SVG picture at its exact pixel size; a click chooses it.
class FlagPicture : public QLabel
{
    Q_OBJECT
public:
    FlagPicture(const QString& svgPath, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_svgPath;
};
