#pragma once
// Whether texts show whole where the program puts them, measured with each widget's own font
// metrics and style, without painting. Show the window first (offscreen will do) so that its
// layouts have placed everything. A text cut short that the widget's tooltip holds whole counts
// as shown; each text cut comes back as `Class name: "text" needs W x H, has W x H`.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <string>
#include <vector>

namespace ardenvo::prova {

namespace testo_intero {

inline std::string Taglio(const QObject* dove, const QString& testo, QSize serve, QSize ha) {
    return QString::asprintf("%s %s: \"%s\" needs %d x %d, has %d x %d",
                             dove->metaObject()->className(), qUtf8Printable(dove->objectName()),
                             qUtf8Printable(testo), serve.width(), serve.height(), ha.width(),
                             ha.height())
        .toStdString();
}

// Adds `testo` to `tagliati` when `w` would not show it whole, nor hold it whole in its tooltip.
// Plain texts only: no rich text, no mnemonics in labels, no icon beside a text.
inline void Prova(const QWidget& w, const QString& testo, std::vector<std::string>& tagliati) {
    if (testo.isEmpty() || w.toolTip() == testo) return;
    QRect dove;  // where the widget draws a text, with these flags
    int flag = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto* etichetta = qobject_cast<const QLabel*>(&w)) {
        const int m = etichetta->margin();
        dove = etichetta->contentsRect().adjusted(m, m, -m, -m);
        flag = static_cast<int>(etichetta->alignment()) |
               (etichetta->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto* pulsante = qobject_cast<const QAbstractButton*>(&w)) {
        QStyleOptionButton o;
        o.initFrom(pulsante);
        dove = w.style()->subElementRect(
            qobject_cast<const QPushButton*>(pulsante) ? QStyle::SE_PushButtonContents
            : w.inherits("QRadioButton")               ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_CheckBoxContents,
            &o, &w);
        flag = Qt::AlignCenter | Qt::TextShowMnemonic;
    } else if (auto* lista = qobject_cast<const QComboBox*>(&w)) {
        QStyleOptionComboBox o;
        o.initFrom(lista);
        dove = w.style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, &w);
    } else if (auto* riga = qobject_cast<const QLineEdit*>(&w)) {
        // The frame, and the 2 pixels a line edit keeps on either side.
        const int c = riga->hasFrame() ? w.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        dove = riga->rect().adjusted(c + 2, c, -c - 2, -c);
    } else {
        return;
    }
    const QRectF testoSolo = QFontMetricsF(w.font()).boundingRect(
        QRectF(0, 0, flag & Qt::TextWordWrap ? dove.width() : 1e6, 1e6), flag, testo);
    const QSize serve(qCeil(testoSolo.width()), qCeil(testoSolo.height()));
    // Where the alignment puts the text must lie in the part of its place that the widget and
    // its ancestors leave visible.
    QRect visibile = dove & w.rect();
    QPoint origine;
    for (const QWidget* f = &w; !f->isWindow() && f->parentWidget(); f = f->parentWidget()) {
        origine += f->pos();
        visibile &= f->parentWidget()->rect().translated(-origine);
    }
    const auto allineamento =
        Qt::Alignment(flag) & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
    if (!visibile.contains(QStyle::alignedRect(w.layoutDirection(), allineamento, serve, dove)))
        tagliati.push_back(Taglio(&w, testo, serve, visibile.size()));
}

}  // namespace testo_intero

// The texts among `testi` that `w` would not show whole, each tried as its only text: the
// captions a label takes in turn, the entries a cell may show.
inline std::vector<std::string> TestiTagliati(const QWidget& w, const QStringList& testi) {
    std::vector<std::string> tagliati;
    for (const QString& testo : testi) testo_intero::Prova(w, testo, tagliati);
    return tagliati;
}

// Every text that the visible widgets inside `radice` show now: labels, buttons, line edits,
// every entry of each drop-down list, and the menus of a menu bar, which moves those past its
// end out of sight (a menu grows to its items).
inline std::vector<std::string> TestiTagliati(const QWidget& radice) {
    std::vector<std::string> tagliati;
    for (QWidget* w : radice.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&radice) || w->isWindow()) continue;
        w->ensurePolished();
        QStringList testi;
        if (auto* etichetta = qobject_cast<QLabel*>(w)) testi << etichetta->text();
        if (auto* pulsante = qobject_cast<QAbstractButton*>(w)) testi << pulsante->text();
        if (auto* riga = qobject_cast<QLineEdit*>(w)) testi << riga->text();
        if (auto* lista = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < lista->count(); ++i) testi << lista->itemText(i);
        for (const QString& testo : testi) testo_intero::Prova(*w, testo, tagliati);
        if (auto* barra = qobject_cast<QMenuBar*>(w))
            for (QAction* voce : barra->actions())
                if (voce->isVisible() && !barra->rect().contains(barra->actionGeometry(voce)))
                    tagliati.push_back(testo_intero::Taglio(
                        voce, voce->text(), barra->actionGeometry(voce).size(), barra->size()));
    }
    return tagliati;
}

}  // namespace ardenvo::prova
