#pragma once
// Whether texts show whole where the program puts them, measured with each widget's own font
// metrics and style, without painting. Show the window first (offscreen will do) so that its
// layouts have placed everything. A text cut short that the widget's tooltip holds whole counts
// as shown; each text cut comes back as `Class name: "text" needs W x H, has W x H`.

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <optional>
#include <string>
#include <vector>

namespace ardenvo::prova {

namespace testo_intero {

// The widget's class and name, or its class inside its nearest named ancestor.
inline QString Nome(const QObject* o) {
    const QString classe = QString::fromLatin1(o->metaObject()->className());
    if (!o->objectName().isEmpty()) return classe + QLatin1Char(' ') + o->objectName();
    return o->parent() ? classe + QStringLiteral(" in ") + Nome(o->parent()) : classe;
}

inline void Aggiungi(std::vector<std::string>& tagliati, const QObject* dove, const QString& testo,
                     QSizeF serve, QSizeF ha) {
    tagliati.push_back(QStringLiteral("%1: \"%2\" needs %3 x %4, has %5 x %6")
                           .arg(Nome(dove), testo)
                           .arg(serve.width(), 0, 'f', 1)
                           .arg(serve.height(), 0, 'f', 1)
                           .arg(ha.width(), 0, 'f', 1)
                           .arg(ha.height(), 0, 'f', 1)
                           .toStdString());
}

// Where a widget draws a text, the flags it draws it with, and the width beside it (an icon).
struct Area {
    QRectF dove;
    int flag = 0;
    qreal extra = 0;
};

// The space `w` gives a text; nothing for widgets that show no plain text of their own.
inline std::optional<Area> AreaTesto(const QWidget& w, const QString& testo) {
    const QStyle* stile = w.style();
    if (auto* etichetta = qobject_cast<const QLabel*>(&w)) {
        if (etichetta->textFormat() == Qt::RichText ||
            (etichetta->textFormat() == Qt::AutoText && Qt::mightBeRichText(testo)))
            return std::nullopt;
        const int m = etichetta->margin();
        return Area{QRectF(etichetta->contentsRect().adjusted(m, m, -m, -m)),
                    static_cast<int>(etichetta->alignment()) |
                        (etichetta->wordWrap() ? Qt::TextWordWrap : 0) |
                        (etichetta->buddy() ? Qt::TextShowMnemonic : 0)};
    }
    if (auto* pulsante = qobject_cast<const QAbstractButton*>(&w)) {
        QStyleOptionButton o;
        o.initFrom(pulsante);
        std::tie(o.text, o.icon, o.iconSize) =
            std::tuple(testo, pulsante->icon(), pulsante->iconSize());
        auto* spinta = qobject_cast<const QPushButton*>(pulsante);
        if (spinta && spinta->isFlat()) o.features |= QStyleOptionButton::Flat;
        if (spinta && spinta->isDefault()) o.features |= QStyleOptionButton::DefaultButton;
        const QStyle::SubElement elemento = spinta ? QStyle::SE_PushButtonContents
                                            : w.inherits("QRadioButton")
                                                ? QStyle::SE_RadioButtonContents
                                                : QStyle::SE_CheckBoxContents;
        // The style puts an icon and the text side by side, 4 pixels apart.
        return Area{QRectF(stile->subElementRect(elemento, &o, &w)),
                    Qt::AlignCenter | Qt::TextShowMnemonic,
                    o.icon.isNull() ? 0.0 : o.iconSize.width() + 4.0};
    }
    if (auto* lista = qobject_cast<const QComboBox*>(&w)) {
        QStyleOptionComboBox o;
        o.initFrom(lista);
        std::tie(o.editable, o.frame) = std::tuple(lista->isEditable(), lista->hasFrame());
        return Area{QRectF(stile->subControlRect(QStyle::CC_ComboBox, &o,
                                                 QStyle::SC_ComboBoxEditField, &w)),
                    Qt::AlignLeft | Qt::AlignVCenter};
    }
    if (auto* riga = qobject_cast<const QLineEdit*>(&w)) {
        // The frame, the text margins, and the 2 pixels a line edit keeps on either side.
        const QMargins m = riga->textMargins();
        const int c = riga->hasFrame() ? stile->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        return Area{QRectF(riga->rect().adjusted(c + m.left() + 2, c, -c - m.right() - 2, -c)),
                    Qt::AlignLeft | Qt::AlignVCenter};
    }
    return std::nullopt;
}

// Adds `testo` to `tagliati` when `w` would not show it whole, nor hold it whole in its tooltip.
inline void Prova(const QWidget& w, const QString& testo, std::vector<std::string>& tagliati) {
    if (testo.isEmpty() || w.toolTip() == testo) return;
    const std::optional<Area> area = AreaTesto(w, testo);
    if (!area) return;
    const qreal larghezza = area->flag & Qt::TextWordWrap ? area->dove.width() : 1e6;
    const QRectF serve =
        QFontMetricsF(w.font()).boundingRect(QRectF(0, 0, larghezza, 1e6), area->flag, testo);
    const QSizeF necessario(serve.width() + area->extra, serve.height());
    // The part of the area that the widget's ancestors leave visible must hold the text where
    // the alignment puts it.
    QRectF visibile = area->dove & QRectF(w.rect());
    QPoint origine;
    for (const QWidget* f = &w; !f->isWindow() && f->parentWidget(); f = f->parentWidget()) {
        origine += f->pos();
        visibile &= QRectF(f->parentWidget()->rect()).translated(-origine);
    }
    const QRectF posto = QStyle::alignedRect(
        w.layoutDirection(),
        Qt::Alignment(area->flag & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)),
        QSize(qCeil(necessario.width()), qCeil(necessario.height())), area->dove.toRect());
    if (necessario.width() > area->dove.width() || necessario.height() > area->dove.height() ||
        !visibile.contains(posto))
        Aggiungi(tagliati, &w, testo, necessario, visibile.size());
}

// The items of a menu bar or a menu, each in the place the menu gives it, and its submenus.
inline void ProvaMenu(const QWidget& menu, std::vector<std::string>& tagliati) {
    const QFontMetricsF metriche(menu.font());
    const auto* barra = qobject_cast<const QMenuBar*>(&menu);
    for (QAction* voce : menu.actions()) {
        if (voce->isSeparator() || !voce->isVisible()) continue;
        // A menu grows to its items; a menu bar moves those past its end out of sight.
        const QRect dove = barra ? barra->actionGeometry(voce)
                                 : static_cast<const QMenu&>(menu).actionGeometry(voce);
        const QString testo = voce->text()
                                  .section(QLatin1Char('\t'), 0, 0)
                                  .remove(QRegularExpression(QStringLiteral("&(?!&)")));
        const QSizeF serve(metriche.horizontalAdvance(testo), metriche.height());
        if (serve.width() > dove.width() || serve.height() > dove.height() ||
            (barra && !barra->rect().contains(dove)))
            Aggiungi(tagliati, voce, testo, serve, dove.size());
        if (QMenu* sotto = voce->menu()) {
            sotto->ensurePolished();
            ProvaMenu(*sotto, tagliati);
        }
    }
}

}  // namespace testo_intero

// The texts among `testi` that `w` would not show whole, each tried as its only text: the
// captions a label takes in turn, the entries a cell may show.
inline std::vector<std::string> TestiTagliati(const QWidget& w, const QStringList& testi) {
    std::vector<std::string> tagliati;
    for (const QString& testo : testi) testo_intero::Prova(w, testo, tagliati);
    return tagliati;
}

// Every text that `radice` and the visible widgets inside it show now: labels, buttons, line
// edits, every entry of each drop-down list, and the items of the menu bar and its menus.
inline std::vector<std::string> TestiTagliati(const QWidget& radice) {
    std::vector<std::string> tagliati;
    QList<QWidget*> tutti = radice.findChildren<QWidget*>();
    tutti.prepend(const_cast<QWidget*>(&radice));
    for (QWidget* w : tutti) {
        if (w != &radice && (!w->isVisibleTo(&radice) || w->isWindow())) continue;
        w->ensurePolished();
        QStringList testi;
        if (auto* etichetta = qobject_cast<QLabel*>(w)) testi << etichetta->text();
        if (auto* pulsante = qobject_cast<QAbstractButton*>(w)) testi << pulsante->text();
        if (auto* riga = qobject_cast<QLineEdit*>(w)) testi << riga->text();
        if (auto* lista = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < lista->count(); ++i) testi << lista->itemText(i);
        if (auto* barra = qobject_cast<QMenuBar*>(w)) testo_intero::ProvaMenu(*barra, tagliati);
        for (const QString& testo : testi) testo_intero::Prova(*w, testo, tagliati);
    }
    return tagliati;
}

}  // namespace ardenvo::prova
