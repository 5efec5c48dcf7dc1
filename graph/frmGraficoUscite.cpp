// Data out of the graph window: the plot's context menu and its keys, and the view as one picture. The
// window copies the picture itself; the files are the program's to write, so it only asks for them.

#include "Grafico.h"
#include "frmGrafico.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

void frmGrafico::CreaMenuContestuale() {
    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("MenuGrafico"));
    struct Voce {
        const char* nome;
        const char* testo;
        QKeySequence tasto;
        void (frmGrafico::*azione)();
    };
    const Voce voci[] = {
        {"mnuCopia", "Copia", QKeySequence::Copy, &frmGrafico::Copia},
        {"mnuEsportaImmagine", "Esporta immagine...", QKeySequence(Qt::CTRL | Qt::Key_E),
         &frmGrafico::EsportaImmagineRichiesta},
        {"mnuEsportaDati", "Esporta dati...", QKeySequence(Qt::CTRL | Qt::Key_D),
         &frmGrafico::EsportaDatiRichiesta},
    };
    for (const Voce& voce : voci) {
        auto* azione = new QAction(QString::fromUtf8(voce.testo), this);
        azione->setObjectName(QLatin1String(voce.nome));
        azione->setShortcut(voce.tasto);
        // Anywhere in the window; a readout box with a selection copies its own text.
        azione->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(azione, &QAction::triggered, this, voce.azione);
        addAction(azione);
        menu->addAction(azione);
    }
    picture1->setFocusPolicy(Qt::StrongFocus);
    picture1->installEventFilter(this);
}

bool frmGrafico::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto != picture1)
        return QWidget::eventFilter(oggetto, evento);
    const QPoint centro = picture1->mapToGlobal(picture1->rect().center());
    if (evento->type() == QEvent::ContextMenu) {
        const auto* richiesta = static_cast<QContextMenuEvent*>(evento);
        MostraMenu(richiesta->reason() == QContextMenuEvent::Mouse ? richiesta->globalPos() : centro);
        return true;
    }
    if (evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() == Qt::Key_Menu ||
            (tasto->key() == Qt::Key_F10 && tasto->modifiers() == Qt::ShiftModifier)) {
            MostraMenu(centro);
            return true;
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

// Where the platform also turns the menu key into a context-menu request, the menu is already open.
void frmGrafico::MostraMenu(QPoint globale) {
    if (!QApplication::activePopupWidget())
        menu->popup(globale);
}

void frmGrafico::Copia() {
    const VistaGrafico vista = Vista();
    QApplication::clipboard()->setImage(
        ImmagineVista(vista, vista.Riquadro().size().toSize(), devicePixelRatioF()));
}

VistaGrafico frmGrafico::Vista() const {
    VistaGrafico vista;
    vista.carattere = font();
    vista.carattere.setPixelSize(QFontInfo(font()).pixelSize());
    // As stacked on screen: the plot over the strips it touches.
    for (const SuperficieDisegno* s : {pictValY, pictValX, pictValS, pictValA, picture1})
        if (!s->isHidden())
            vista.parti.push_back({s, QRectF(s->geometry())});
    const QFontMetricsF metrica(vista.carattere);
    for (const QLabel* nome : {label9, label10, label14, label15})
        if (!nome->isHidden()) { // as a label shows its text: on the left, centred across
            const QRectF posto(nome->geometry());
            vista.scritte.push_back(
                {nome->text(), QPointF(posto.left(), posto.top() + (posto.height() - metrica.height()) / 2),
                 nome == label14   ? ColorePosizione
                 : nome == label15 ? ColoreAccelerazione
                                   : QColor(Qt::black)});
        }
    return vista;
}
