#include "ProfiloVelocita.h"

#include "GeometriaInserimento.h"
#include "Twips.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace {

// The profile, in pixels of the drawing.
constexpr QPoint Origine(95, 300);
constexpr QPoint SpigoloSalita(148, 74);
constexpr QPoint SpigoloDiscesa(350, 74);
constexpr QPoint Arrivo(406, 300);
constexpr int PuntaAsseV = 29;
constexpr int InizioAsseT = 90;
constexpr int PuntaAsseT = 467;
constexpr int RigaQuoteFasi = 330;
constexpr int RigaQuotaTtot = 359;
constexpr int ColonnaQuotaVm = 55;

constexpr const char* Elenco[11] = {"Stot-Ttot-S1", "Stot-Ttot-A",  "Stot-Ttot-T1", "Stot-Vm-S1",
                                    "Stot-Vm-A",    "Stot-Vm-T1",   "Vm-Ttot-S1",   "Vm-Ttot-A",
                                    "Vm-Ttot-T1",   "Vm-Ttot-Stot", "Vm-T2-Stot"};

QFont Carattere(int pixel, bool grassetto) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    return f;
}

// Straight lines run along pixel centres, so a one-pixel line covers whole device pixels at any scale.
QPointF Centro(QPoint p) {
    return QPointF(p) + QPointF(0.5, 0.5);
}

void Linea(QPainter& p, QPoint a, QPoint b) {
    p.drawLine(Centro(a), Centro(b));
}

void Punta(QPainter& p, QPointF punta, QPointF verso) {
    const QPointF normale(-verso.y(), verso.x());
    const QPointF base = punta - verso * 8;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF{punta, base + normale * 3, base - normale * 3});
    p.restore();
}

QPointF Verso(QPoint da, QPoint a) {
    const QPointF d = QPointF(a - da);
    return d / std::hypot(d.x(), d.y());
}

// A dimension line with an arrow at each end.
void Quota(QPainter& p, QPoint a, QPoint b) {
    Linea(p, a, b);
    Punta(p, Centro(a), Verso(b, a));
    Punta(p, Centro(b), Verso(a, b));
}

// The box of a quantity's check box, in pixels of the drawing.
QRect Casella(int indice) {
    const PostoTwips posto = PostiCaselle[indice];
    return QRect(Px(posto.Sinistra - PostoProfilo.Sinistra), Px(posto.Alto - PostoProfilo.Alto),
                 Px(LatoCasellaTwips), Px(LatoCasellaTwips));
}

QFont CarattereNomi() {
    return Carattere(12, true);
}

// A name just left of its check box.
QRect NomeAccanto(int indice, const QString& nome) {
    const QRect casella = Casella(indice);
    const int larghezza = QFontMetrics(CarattereNomi()).horizontalAdvance(nome);
    return QRect(casella.left() - 2 - larghezza, casella.top(), larghezza, casella.height());
}

// A name with no box of its own, centred on the given column, on the row of another quantity's box.
QRect NomeCentrato(int colonna, int indiceRiga, const QString& nome) {
    const QRect riga = Casella(indiceRiga);
    const int larghezza = QFontMetrics(CarattereNomi()).horizontalAdvance(nome);
    return QRect(colonna - larghezza / 2, riga.top(), larghezza, riga.height());
}

// The axes' letters.
constexpr QRect LetteraV(Origine.x() - 22, PuntaAsseV - 4, 16, 16);
constexpr QRect LetteraT(PuntaAsseT - 8, Origine.y() + 6, 16, 16);

// From under a name to a dot in the area it names.
void Richiamo(QPainter& p, const QRect& nome, QPoint punto) {
    p.drawLine(QPointF(nome.center().x() + 0.5, nome.bottom() + 1), Centro(punto));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(Centro(punto), 2.5, 2.5);
    p.restore();
}

} // namespace

ProfiloVelocita::ProfiloVelocita(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picProfilo"));
    setFixedSize(Larghezza, Altezza);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Profilo di velocità e combinazioni possibili"));
}

void ProfiloVelocita::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    DisegnaProfilo(p);
    DisegnaQuote(p);
    DisegnaNomi(p);
    DisegnaElenco(p);
    DisegnaSceltaElenco(p);
}

void ProfiloVelocita::DisegnaProfilo(QPainter& p) {
    Linea(p, Origine, QPoint(Origine.x(), PuntaAsseV));
    Punta(p, Centro(QPoint(Origine.x(), PuntaAsseV)), QPointF(0, -1));
    Linea(p, QPoint(InizioAsseT, Origine.y()), QPoint(PuntaAsseT, Origine.y()));
    Punta(p, Centro(QPoint(PuntaAsseT, Origine.y())), QPointF(1, 0));
    p.setFont(CarattereNomi());
    p.drawText(LetteraV, Qt::AlignCenter, QStringLiteral("V"));
    p.drawText(LetteraT, Qt::AlignCenter, QStringLiteral("T"));

    Linea(p, SpigoloSalita, QPoint(SpigoloSalita.x(), Origine.y()));
    Linea(p, SpigoloDiscesa, QPoint(SpigoloDiscesa.x(), Origine.y()));
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{Centro(Origine), Centro(SpigoloSalita)});
    p.drawPolyline(QPolygonF{Centro(SpigoloDiscesa), Centro(Arrivo)});
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::FlatCap));
    Linea(p, SpigoloSalita, SpigoloDiscesa);
    p.setPen(QPen(Qt::black, 1));

    // The acceleration: an arc between the time axis and the rising side.
    const double gradi =
        std::atan2(Origine.y() - SpigoloSalita.y(), SpigoloSalita.x() - Origine.x()) * 180 / M_PI;
    const QRectF cerchio(Centro(Origine) - QPointF(30, 30), QSizeF(60, 60));
    p.drawArc(cerchio, 0, static_cast<int>(gradi * 16));
}

void ProfiloVelocita::DisegnaQuote(QPainter& p) {
    const int sotto = Origine.y() + 2;
    for (const int colonna : {Origine.x(), Arrivo.x()})
        Linea(p, QPoint(colonna, sotto), QPoint(colonna, RigaQuotaTtot + 5));
    for (const int colonna : {SpigoloSalita.x(), SpigoloDiscesa.x()})
        Linea(p, QPoint(colonna, sotto), QPoint(colonna, RigaQuoteFasi + 5));
    Quota(p, QPoint(Origine.x(), RigaQuoteFasi), QPoint(SpigoloSalita.x(), RigaQuoteFasi));
    Quota(p, QPoint(SpigoloSalita.x(), RigaQuoteFasi), QPoint(SpigoloDiscesa.x(), RigaQuoteFasi));
    Quota(p, QPoint(SpigoloDiscesa.x(), RigaQuoteFasi), QPoint(Arrivo.x(), RigaQuoteFasi));
    Quota(p, QPoint(Origine.x(), RigaQuotaTtot), QPoint(Arrivo.x(), RigaQuotaTtot));

    Linea(p, QPoint(ColonnaQuotaVm - 5, SpigoloSalita.y()), QPoint(Origine.x() - 2, SpigoloSalita.y()));
    Linea(p, QPoint(ColonnaQuotaVm - 5, Origine.y()), QPoint(InizioAsseT - 2, Origine.y()));
    Quota(p, QPoint(ColonnaQuotaVm, SpigoloSalita.y()), QPoint(ColonnaQuotaVm, Origine.y()));
}

std::vector<ProfiloVelocita::Scritta> ProfiloVelocita::Nomi() {
    const int centroDiscesa = (SpigoloDiscesa.x() + Arrivo.x()) / 2;
    std::vector<Scritta> nomi;
    const auto accanto = [&](int indice, const char* nome) {
        nomi.push_back({NomeAccanto(indice, QLatin1String(nome)), QLatin1String(nome)});
    };
    const auto centrato = [&](int indiceRiga, const char* nome) {
        nomi.push_back({NomeCentrato(centroDiscesa, indiceRiga, QLatin1String(nome)), QLatin1String(nome)});
    };
    accanto(0, "S1");
    accanto(1, "S2");
    centrato(0, "S1");
    accanto(2, "Stot");
    accanto(3, "T1");
    accanto(4, "T2");
    centrato(3, "T1");
    accanto(5, "Ttot");
    accanto(6, "VM");
    accanto(7, "A");
    return nomi;
}

std::vector<QRect> ProfiloVelocita::PostiScritte() {
    std::vector<QRect> posti{LetteraV, LetteraT};
    for (const Scritta& nome : Nomi())
        posti.push_back(nome.posto);
    // The heading and the eleven lines of the list, to the drawing's right edge.
    posti.push_back(QRect(QPoint(ColonnaElenco, 90), QPoint(Larghezza - 1, PrimaRigaElenco[10] + 12)));
    return posti;
}

void ProfiloVelocita::DisegnaNomi(QPainter& p) {
    p.setFont(CarattereNomi());
    const std::vector<Scritta> nomi = Nomi();
    for (const Scritta& nome : nomi)
        p.drawText(nome.posto, Qt::AlignRight | Qt::AlignVCenter, nome.testo);
    Richiamo(p, nomi[0].posto, QPoint(131, 240));
    Richiamo(p, nomi[1].posto, QPoint(262, 130));
    Richiamo(p, nomi[2].posto, QPoint(367, 240));
    const QRect a = nomi[9].posto;
    p.drawLine(QPointF(a.left() - 2, a.center().y() + 0.5), QPointF(119, 281));
}

void ProfiloVelocita::DisegnaElenco(QPainter& p) {
    p.setFont(Carattere(12, true));
    p.drawText(QPoint(ColonnaElenco, 103), QStringLiteral("COMBINAZIONI"));
    p.drawText(QPoint(ColonnaElenco, 118), QStringLiteral("POSSIBILI"));
    p.setFont(Carattere(12, false));
    for (int riga = 0; riga < 11; ++riga)
        p.drawText(QPoint(ColonnaElenco, PrimaRigaElenco[riga] + 10), QString::fromLatin1(Elenco[riga]));
}

// The list line around its text, inside the line's own band.
QRect ProfiloVelocita::RettangoloRiga(int riga) {
    return QRect(ColonnaElenco - 3, PrimaRigaElenco[riga] - 1, 90, 12);
}

// The line chosen from the keyboard, while the picture has the focus: highlighted, in a focus frame.
void ProfiloVelocita::DisegnaSceltaElenco(QPainter& p) {
    if (!hasFocus() || rigaScelta < 0)
        return;
    const QRect r = RettangoloRiga(rigaScelta);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, palette().color(QPalette::Highlight));
    p.setPen(palette().color(QPalette::HighlightedText));
    p.setFont(Carattere(12, false));
    p.drawText(QPoint(ColonnaElenco, PrimaRigaElenco[rigaScelta] + 10),
               QString::fromLatin1(Elenco[rigaScelta]));
    QStyleOptionFocusRect cornice;
    cornice.initFrom(this);
    cornice.rect = r.adjusted(-2, -1, 2, 1);
    cornice.backgroundColor = Qt::white;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &cornice, &p, this);
    p.restore();
}

void ProfiloVelocita::ScegliRiga(int riga) {
    rigaScelta = std::clamp(riga, 0, 10);
    const QString testo = QStringLiteral("%1, combinazione %2 di 11")
                              .arg(QLatin1String(Elenco[rigaScelta]))
                              .arg(rigaScelta + 1);
    if (accessibleDescription() != testo) {
        setAccessibleDescription(testo);
        QAccessibleEvent evento(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&evento);
    }
    update();
}

void ProfiloVelocita::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        ScegliRiga(rigaScelta - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        ScegliRiga(rigaScelta + 1);
        break;
    case Qt::Key_Home:
        ScegliRiga(0);
        break;
    case Qt::Key_End:
        ScegliRiga(10);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        // A press in the middle of the line's text: the same path as the mouse.
        const QPoint centro = RettangoloRiga(rigaScelta).center();
        emit Premuto(static_cast<float>(Twips(centro.x())), static_cast<float>(Twips(centro.y())));
        break;
    }
    default:
        QWidget::keyPressEvent(event);
    }
}

void ProfiloVelocita::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    ScegliRiga(std::max(rigaScelta, 0));
}

void ProfiloVelocita::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ProfiloVelocita::mousePressEvent(QMouseEvent* event) {
    const QPointF posto = event->position();
    emit Premuto(static_cast<float>(Twips(posto.x())), static_cast<float>(Twips(posto.y())));
}

// The press did the work: the whole click belongs to the picture.
void ProfiloVelocita::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
