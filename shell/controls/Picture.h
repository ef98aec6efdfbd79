// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QLabel>

namespace pelmaroos::shell {

// An image control: exactly the size of its picture, transparent where the picture is, and clickable.
class Picture final : public QLabel
{
    Q_OBJECT

public:
    explicit Picture(const QString &resource, QWidget *parent);
    ~Picture() override;

    // Whether anything reacts to a click: a picture nothing listens to is only decoration.
    bool isClickable() const;

    // The picture's size on the screen, whatever the screen's scale; empty without a picture.
    QSize pictureSize() const;

public slots:
    // What a mouse click does, for the accessibility tools.
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Drawn as it is stored, colour indices and all, rather than turned into a pixmap of whole pixels.
    QImage m_picture;
};

} // namespace pelmaroos::shell
