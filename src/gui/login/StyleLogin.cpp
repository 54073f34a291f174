#include "gui/login/StyleLogin.h"

#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QProxyStyle>
#include <QWidget>

namespace {

class StyleEtoiles : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* retour) const override {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter)
            return '*';
        if (hint == QStyle::SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, retour);
    }
};

} // namespace

void AppliquerStyleLogin(QWidget* fenetre) {
    QPalette palette = fenetre->palette();
    palette.setColor(QPalette::Window, QColor(215, 235, 255));
    fenetre->setPalette(palette);
    fenetre->setAutoFillBackground(true);
    QFont police(QStringLiteral("Palatino Linotype"));
    police.setStyleHint(QFont::Serif);
    police.setPointSize(10);
    fenetre->setFont(police);
}

QPixmap ImageCadenas(int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = cote / 48.0;
    QPen anse(QColor(90, 100, 115), 5 * u);
    p.setPen(anse);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14 * u, 4 * u, 20 * u, 26 * u), 0, 180 * 16);
    p.drawLine(QPointF(14 * u, 17 * u), QPointF(14 * u, 22 * u));
    p.drawLine(QPointF(34 * u, 17 * u), QPointF(34 * u, 22 * u));
    QLinearGradient corps(0, 20 * u, 0, 46 * u);
    corps.setColorAt(0, QColor(250, 200, 60));
    corps.setColorAt(1, QColor(205, 140, 20));
    p.setPen(QPen(QColor(150, 100, 10), 1.5 * u));
    p.setBrush(corps);
    p.drawRoundedRect(QRectF(8 * u, 21 * u, 32 * u, 24 * u), 4 * u, 4 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 60, 20));
    p.drawEllipse(QPointF(24 * u, 31 * u), 3.5 * u, 3.5 * u);
    p.drawRect(QRectF(22.5 * u, 32 * u, 3 * u, 8 * u));
    return image;
}

void MasquerParEtoiles(QLineEdit* champ) {
    auto* style = new StyleEtoiles;
    style->setParent(champ);
    champ->setStyle(style);
}
