// Data out of the graph window: the plot's context menu and its keys, and the picture of the view. The
// window copies the picture itself; the files are the program's to write, so it only asks for them.

#include "MenuContestuale.h"
#include "MisureCornice.h"
#include "PianoGrafico.h"
#include "frmGrafico.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <cmath>

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
         &frmGrafico::RichiediImmagine},
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
    piano->setFocusPolicy(Qt::StrongFocus);
    piano->installEventFilter(this);
}

bool frmGrafico::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == piano && ApriMenuContestuale(*menu, *piano, cornice.area.toRect(), *evento))
        return true;
    return QWidget::eventFilter(oggetto, evento);
}

// The size of the graph on screen: its parts and names, with the picture's white margin.
QSize frmGrafico::MisuraImmagine() const {
    QRectF r = cornice.area | cornice.strisciaVelocita | cornice.strisciaTempi;
    for (const QRectF& s : cornice.strisceDettagli)
        r |= s;
    for (const TestoGrafico& n : cornice.nomi)
        r |= n.posto;
    const int margini = int(2 * Cornice::MargineImmagine);
    return QSize(int(std::ceil(r.width())) + margini, int(std::ceil(r.height())) + margini);
}

void frmGrafico::Copia() {
    QApplication::clipboard()->setImage(ImmagineGrafico(Dati(), MisuraImmagine(), devicePixelRatioF()));
}

// The view as it shows: what it reads (the curve, the motion, the view) is the program's, not the
// window's, so the picture can still be laid out while the file is written.
void frmGrafico::RichiediImmagine() {
    emit EsportaImmagineRichiesta(
        {this, MisuraImmagine(), [dati = Dati()](QSize misura) { return DisponiImmagine(dati, misura); }});
}
