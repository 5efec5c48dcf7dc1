#include "PianoSerie.h"

#include "MenuContestuale.h"
#include "NumeriRegionali.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>

PianoSerie::PianoSerie(QWidget* parent) : QWidget(parent), menu(new QMenu(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus); // the menu key and Shift+F10 reach it
    menu->setObjectName(QStringLiteral("MenuGrafico"));
    auto* copia = menu->addAction(QStringLiteral("Copia"), this,
                                  [this] { QApplication::clipboard()->setImage(Immagine()); });
    auto* esporta = menu->addAction(QStringLiteral("Esporta immagine..."), this,
                                    [this] { emit EsportaImmagineRichiesta(Richiesta()); });
    copia->setObjectName(QStringLiteral("mnuCopia"));
    copia->setShortcut(QKeySequence::Copy);
    esporta->setObjectName(QStringLiteral("mnuEsportaImmagine"));
    esporta->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    for (QAction* azione : {copia, esporta}) {
        azione->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(azione);
    }
}

void PianoSerie::Mostra(GraficoSerie nuovo) {
    grafico = std::move(nuovo);
    disposizione.reset();
    immagine = QImage();
    update();
}

const DisposizioneGrafico& PianoSerie::Disposizione() const {
    if (!disposizione)
        disposizione = DisponiSerie(grafico, SpazioImmagine(size()), CarattereGrafico());
    return *disposizione;
}

RichiestaImmagine PianoSerie::Richiesta() {
    return {this, size(), SerieAMisura(grafico)};
}

const QImage& PianoSerie::Immagine() const {
    const qreal rapporto = devicePixelRatioF();
    if (immagine.isNull() || immagine.size() != size() * rapporto || immagine.devicePixelRatio() != rapporto)
        immagine = ImmagineGrafico([this](QSize) { return Disposizione(); }, size(), rapporto);
    return immagine;
}

void PianoSerie::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    if (const QImage& cache = Immagine(); !cache.isNull())
        pittore.drawImage(QPoint(0, 0), cache);
    else
        pittore.fillRect(rect(), Qt::white);
}

void PianoSerie::resizeEvent(QResizeEvent* evento) {
    disposizione.reset();
    immagine = QImage();
    QWidget::resizeEvent(evento);
}

bool PianoSerie::event(QEvent* evento) {
    const bool chiesta = evento->type() == QEvent::ContextMenu || evento->type() == QEvent::KeyPress;
    if (chiesta && ApriMenuContestuale(*menu, *this, Disposizione().cornice.area.toRect(), *evento))
        return true;
    if (evento->type() == QEvent::ToolTip) {
        const auto* aiuto = static_cast<QHelpEvent*>(evento);
        if (const QString testo = Suggerimento(aiuto->pos()); !testo.isEmpty())
            QToolTip::showText(aiuto->globalPos(), testo, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(evento);
}

// The whole value of the text under the mouse: a label's or a reference line's, the series' name of a
// legend's entry, a marked point's text and values (on its mark too, where a small plot left the text
// no room).
QString PianoSerie::Suggerimento(QPointF posto) const {
    const DisposizioneGrafico& d = Disposizione();
    const auto punto = [this](int i) {
        const GraficoSerie::Punto& p = grafico.punti.at(size_t(i));
        return QStringLiteral("%1: %2; %3")
            .arg(p.testo, TestoValore(p.valore.x()), TestoValore(p.valore.y()));
    };
    for (const LineaGrafico& segno : d.Linee(RuoloLinea::Punto))
        if (segno.punti.boundingRect().contains(posto))
            return punto(segno.asse);
    std::vector<const PannelloGrafico*> parti = d.Strisce();
    parti.push_back(&d.piano);
    for (const PannelloGrafico* parte : parti)
        for (const TestoGrafico& t : parte->testi) {
            if (!t.posto.contains(posto))
                continue;
            switch (t.ruolo) {
            case RuoloTesto::Ascissa:
            case RuoloTesto::Ordinata:
            case RuoloTesto::Riferimento:
                return TestoValore(t.valore);
            case RuoloTesto::Legenda:
                return grafico.serie.at(size_t(t.asse)).nome;
            case RuoloTesto::Punto:
                return punto(t.asse);
            default:
                break;
            }
        }
    return {};
}
