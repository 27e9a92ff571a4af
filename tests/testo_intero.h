#pragma once
// Whether texts show whole where the program puts them, measured with each widget's own font
// metrics and style, without painting. Any GUI test can walk a window with it, or try every
// text the program may put into one widget.
//
//   EXPECT_THAT(prova::TestiTagliati(finestra), ::testing::IsEmpty());
//   EXPECT_THAT(prova::TestiTagliati(*etichetta, {"Simulazione: 1x", ...}), IsEmpty());
//
// A text cut short whose widget holds it whole in its tooltip counts as shown.
// Each text cut is reported as `objectName: "text" needs W x H, has W x H`. Show the window
// first (the offscreen platform will do), so that its layouts have placed everything.

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

// The widget's name, or its class inside its nearest named ancestor.
inline QString Nome(const QObject* oggetto) {
    const QString classe = QString::fromLatin1(oggetto->metaObject()->className());
    if (!oggetto->objectName().isEmpty()) return oggetto->objectName();
    if (!oggetto->parent()) return classe;
    return classe + QStringLiteral(" in ") + Nome(oggetto->parent());
}

// Where a widget draws a text, with the flags it draws it with.
struct Area {
    QRectF dove;
    int flag = 0;
    qreal extra = 0;  // width beside the text, as a button's icon
};

inline QStyleOptionButton OpzioniPulsante(const QAbstractButton& pulsante, const QString& testo) {
    QStyleOptionButton opzioni;
    opzioni.initFrom(&pulsante);
    opzioni.text = testo;
    opzioni.icon = pulsante.icon();
    opzioni.iconSize = pulsante.iconSize();
    if (auto* spinta = qobject_cast<const QPushButton*>(&pulsante)) {
        if (spinta->isFlat()) opzioni.features |= QStyleOptionButton::Flat;
        if (spinta->isDefault()) opzioni.features |= QStyleOptionButton::DefaultButton;
    }
    return opzioni;
}

// The space `w` gives a text; nothing for widgets that show no text of their own.
inline std::optional<Area> AreaTesto(const QWidget& w, const QString& testo) {
    const QStyle* stile = w.style();
    if (auto* etichetta = qobject_cast<const QLabel*>(&w)) {
        if (etichetta->textFormat() == Qt::RichText ||
            (etichetta->textFormat() == Qt::AutoText && Qt::mightBeRichText(testo)))
            return std::nullopt;
        const int m = etichetta->margin();
        int flag = static_cast<int>(etichetta->alignment());
        if (etichetta->wordWrap()) flag |= Qt::TextWordWrap;
        if (etichetta->buddy()) flag |= Qt::TextShowMnemonic;
        return Area{QRectF(etichetta->contentsRect().adjusted(m, m, -m, -m)), flag};
    }
    if (auto* pulsante = qobject_cast<const QAbstractButton*>(&w)) {
        const QStyleOptionButton opzioni = OpzioniPulsante(*pulsante, testo);
        const QStyle::SubElement elemento =
            qobject_cast<const QPushButton*>(&w) ? QStyle::SE_PushButtonContents
            : w.inherits("QRadioButton")         ? QStyle::SE_RadioButtonContents
                                                 : QStyle::SE_CheckBoxContents;
        // The style puts an icon and the text side by side, 4 pixels apart.
        const qreal icona = opzioni.icon.isNull() ? 0 : opzioni.iconSize.width() + 4;
        return Area{QRectF(stile->subElementRect(elemento, &opzioni, &w)),
                    Qt::AlignCenter | Qt::TextShowMnemonic, icona};
    }
    if (auto* lista = qobject_cast<const QComboBox*>(&w)) {
        QStyleOptionComboBox opzioni;
        opzioni.initFrom(lista);
        opzioni.editable = lista->isEditable();
        opzioni.frame = lista->hasFrame();
        return Area{QRectF(stile->subControlRect(QStyle::CC_ComboBox, &opzioni,
                                                 QStyle::SC_ComboBoxEditField, &w)),
                    Qt::AlignLeft | Qt::AlignVCenter};
    }
    if (auto* riga = qobject_cast<const QLineEdit*>(&w)) {
        // The frame, the text margins, and the 2 pixels a line edit keeps on either side.
        const QMargins margini = riga->textMargins();
        const int cornice = riga->hasFrame() ? stile->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        return Area{QRectF(riga->rect().adjusted(cornice + margini.left() + 2, cornice,
                                                 -cornice - margini.right() - 2, -cornice)),
                    Qt::AlignLeft | Qt::AlignVCenter};
    }
    return std::nullopt;
}

// The part of `w`'s own rectangle that its ancestors leave visible, in `w`'s coordinates.
inline QRectF Visibile(const QWidget& w) {
    QRectF parte(w.rect());
    QPoint origine;  // where `w` stands in the ancestor reached
    for (const QWidget* figlio = &w; !figlio->isWindow() && figlio->parentWidget();
         figlio = figlio->parentWidget()) {
        origine += figlio->pos();
        parte &= QRectF(figlio->parentWidget()->rect()).translated(-origine);
    }
    return parte;
}

inline QString Misure(QSizeF serve, QSizeF ha) {
    return QStringLiteral("needs %1 x %2, has %3 x %4")
        .arg(serve.width(), 0, 'f', 1)
        .arg(serve.height(), 0, 'f', 1)
        .arg(ha.width(), 0, 'f', 1)
        .arg(ha.height(), 0, 'f', 1);
}

inline void Aggiungi(std::vector<std::string>& tagliati, const QObject* dove, const QString& testo,
                     QSizeF serve, QSizeF ha) {
    tagliati.push_back(
        (Nome(dove) + QStringLiteral(": \"") + testo + QStringLiteral("\" ") + Misure(serve, ha))
            .toStdString());
}

// Adds `testo` to `tagliati` when `w` would not show it whole, nor hold it whole in its tooltip.
inline void Prova(const QWidget& w, const QString& testo, std::vector<std::string>& tagliati) {
    if (testo.isEmpty() || w.toolTip() == testo) return;
    const std::optional<Area> area = AreaTesto(w, testo);
    if (!area) return;
    const QFontMetricsF metriche(w.font());
    const bool aCapo = area->flag & Qt::TextWordWrap;
    const QRectF serve = metriche.boundingRect(QRectF(0, 0, aCapo ? area->dove.width() : 1e6, 1e6),
                                               area->flag, testo);
    const QSizeF necessario(serve.width() + area->extra, serve.height());
    // Where the text stands in its area, which must hold it, as what the ancestors show must.
    const QRectF posto = QStyle::alignedRect(
        w.layoutDirection(),
        Qt::Alignment(area->flag & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)),
        QSize(qCeil(necessario.width()), qCeil(necessario.height())), area->dove.toRect());
    const QRectF visibile = area->dove & Visibile(w);
    if (necessario.width() > area->dove.width() || necessario.height() > area->dove.height() ||
        !visibile.contains(posto))
        Aggiungi(tagliati, &w, testo, necessario, visibile.size());
}

inline QString TestoVoce(const QAction& voce) {
    QString testo = voce.text().section(QLatin1Char('\t'), 0, 0);
    return testo.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The items of a menu bar or a menu, each in the place the menu gives it, and its submenus.
inline void ProvaMenu(const QWidget& menu, std::vector<std::string>& tagliati) {
    const QFontMetricsF metriche(menu.font());
    for (QAction* voce : menu.actions()) {
        if (voce->isSeparator() || !voce->isVisible()) continue;
        // A menu grows to its items; a menu bar moves those past its end out of sight.
        const auto* barra = qobject_cast<const QMenuBar*>(&menu);
        const QRect dove = barra ? barra->actionGeometry(voce)
                                 : static_cast<const QMenu&>(menu).actionGeometry(voce);
        const QString testo = TestoVoce(*voce);
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
// captions a label takes in turn, the entries a cell or a drop-down list may show.
inline std::vector<std::string> TestiTagliati(const QWidget& w, const QStringList& testi) {
    std::vector<std::string> tagliati;
    for (const QString& testo : testi) testo_intero::Prova(w, testo, tagliati);
    return tagliati;
}

// Every text that `radice` and the widgets inside it show now, the hidden ones left out: labels,
// buttons, every entry of each drop-down list, line edits and the items of the menu bar and its
// menus.
inline std::vector<std::string> TestiTagliati(const QWidget& radice) {
    std::vector<std::string> tagliati;
    QList<QWidget*> tutti = radice.findChildren<QWidget*>();
    tutti.prepend(const_cast<QWidget*>(&radice));
    for (QWidget* w : tutti) {
        if (w != &radice && (!w->isVisibleTo(&radice) || w->isWindow())) continue;
        w->ensurePolished();
        if (auto* etichetta = qobject_cast<QLabel*>(w))
            testo_intero::Prova(*w, etichetta->text(), tagliati);
        else if (auto* pulsante = qobject_cast<QAbstractButton*>(w))
            testo_intero::Prova(*w, pulsante->text(), tagliati);
        else if (auto* riga = qobject_cast<QLineEdit*>(w))
            testo_intero::Prova(*w, riga->text(), tagliati);
        else if (auto* lista = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < lista->count(); ++i)
                testo_intero::Prova(*w, lista->itemText(i), tagliati);
        else if (auto* barra = qobject_cast<QMenuBar*>(w))
            testo_intero::ProvaMenu(*barra, tagliati);
    }
    return tagliati;
}

}  // namespace ardenvo::prova
