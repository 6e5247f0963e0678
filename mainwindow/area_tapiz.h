#pragma once

#include <QMdiArea>
#include <QPixmap>

// The main window's document area with its wallpaper: the picture is drawn centred, shrunk to fit
// when it is larger than the area, over the area's usual background.
class AreaTapiz : public QMdiArea {
    Q_OBJECT

public:
    explicit AreaTapiz(QWidget* parent = nullptr);

    void setTapiz(const QPixmap& picture);
    const QPixmap& tapiz() const { return m_tapiz; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_tapiz;
};
