#include "frmCatalogoMotori.h"

#include "Dialoghi.h"
#include "NumeriRegionali.h"
#include "Simulazione.h"
#include "TestiAsse.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

// A catalogue is a few lines per motor: a file this large is no catalogue.
constexpr qint64 MassimoCatalogo = 64 * 1024 * 1024;

QString Quota(const VerificaLimite& v) {
    return QString::fromStdString(TestoQuota(v, 3, SeparatoreDecimale())) + QStringLiteral(" %");
}

} // namespace

frmCatalogoMotori::frmCatalogoMotori(Catalogo letto, Classifica fatta, QWidget* parent)
    : QDialog(parent), catalogo(std::move(letto)), classifica(std::move(fatta)) {
    setObjectName(QStringLiteral("frmCatalogoMotori"));
    setWindowTitle(QStringLiteral("Catalogo motori"));
    const bool diretta = classifica.Diretta;
    elenco = new QTreeWidget(this);
    elenco->setRootIsDecorated(false);
    elenco->setAllColumnsShowFocus(true);
    elenco->setAccessibleName(QStringLiteral("Motori del catalogo"));
    QStringList titoli{QStringLiteral("Motore"), QStringLiteral("Esito")};
    for (const NomiLimite& nomi : NomiLimiti[diretta])
        titoli << QString::fromUtf8(nomi.Limite) + QStringLiteral(" usata");
    if (!diretta)
        titoli << QString::fromUtf8(NomeRapportoInerzia);
    titoli << QStringLiteral("Motivo");
    elenco->setHeaderLabels(titoli);
    const int motivo = int(titoli.size()) - 1;
    for (const VoceClassifica& voce : classifica.Voci) {
        QStringList celle{QString::fromStdString(voce.Nome),
                          voce.Adatto() ? QStringLiteral("adatto") : QStringLiteral("non adatto")};
        for (int i = 0; i < NumeroLimitiMotore; ++i)
            celle << (voce.Giudizio ? Quota(voce.Giudizio->Limiti[i]) : QString());
        if (!diretta)
            celle << (voce.Giudizio && !std::isnan(voce.Giudizio->RapportoInerzia)
                          ? TestoCifra(voce.Giudizio->RapportoInerzia)
                          : QString());
        celle << QString::fromStdString(MotivoVoce(voce, SeparatoreDecimale()));
        auto* riga = new QTreeWidgetItem(elenco, celle);
        riga->setData(0, Qt::UserRole, voce.Riga);
        riga->setToolTip(motivo, celle.back());
        for (int i = 0; voce.Giudizio && i < NumeroLimitiMotore; ++i) // the whole share a tooltip away
            if (const VerificaLimite& v = voce.Giudizio->Limiti[i]; v.Dato())
                riga->setToolTip(2 + i, TestoValore(v.Richiesta / v.Limite * 100) + QStringLiteral(" %"));
        for (int c = 2; c < motivo; ++c)
            riga->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (!voce.Adatto())
            riga->setForeground(1, QColor(200, 0, 0));
    }
    for (const RigaScartata& scartata : classifica.Scartate) {
        auto* riga = new QTreeWidgetItem(elenco);
        riga->setText(0, QStringLiteral("riga %1").arg(scartata.Riga));
        riga->setText(1, QStringLiteral("illeggibile"));
        riga->setText(motivo, QString::fromStdString(scartata.Motivo));
        riga->setToolTip(motivo, riga->text(motivo));
        riga->setFlags(riga->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    }
    for (int c = 0; c < elenco->columnCount(); ++c)
        elenco->resizeColumnToContents(c);
    auto* nota =
        new QLabel(QStringLiteral("Prima i motori adatti all'asse, dalla coppia nominale più piccola; "
                                  "poi gli altri, con il primo limite superato."),
                   this);
    nota->setWordWrap(true);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* scegli = pulsanti->button(QDialogButtonBox::Ok);
    scegli->setText(QStringLiteral("&Scegli"));
    scegli->setObjectName(QStringLiteral("cmdScegli"));
    pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(elenco, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (Scelto())
            accept();
    });
    const auto abilita = [this, scegli] { scegli->setEnabled(Scelto() != nullptr); };
    connect(elenco, &QTreeWidget::currentItemChanged, this, abilita);
    if (elenco->topLevelItemCount() && elenco->topLevelItem(0)->flags() & Qt::ItemIsSelectable)
        elenco->setCurrentItem(elenco->topLevelItem(0));
    abilita();
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(nota);
    colonna->addWidget(elenco, 1);
    colonna->addWidget(pulsanti);
    // As wide as the columns, where the screen has room.
    const QScreen* schermo = parent ? parent->screen() : nullptr;
    const int largo = schermo ? schermo->availableGeometry().width() * 9 / 10 : 1000;
    resize(std::min(elenco->header()->length() + 40, largo), 360);
}

const MotoreCatalogo* frmCatalogoMotori::Scelto() const {
    const QTreeWidgetItem* riga = elenco->currentItem();
    if (!riga || !(riga->flags() & Qt::ItemIsSelectable))
        return nullptr;
    const int numero = riga->data(0, Qt::UserRole).toInt();
    for (const MotoreCatalogo& m : catalogo.Motori)
        if (m.Riga == numero)
            return &m;
    return nullptr;
}

void ScegliDaCatalogo(QWidget* finestra, Dialoghi& dialoghi, const Simulazione& simulazione,
                      std::function<void(const MotoreCatalogo&)> scelto) {
    const QString nome =
        dialoghi.NomeFileApri(QStringLiteral("Catalogo motori"), {QStringLiteral("Catalogo motori (*.csv)"),
                                                                  QStringLiteral("Tutti i file (*)")});
    if (nome.isEmpty())
        return;
    const QString file = QFileInfo(nome).fileName();
    const auto errore = [&](const QString& motivo) {
        dialoghi.Messaggio(QStringLiteral("Impossibile usare il catalogo «%1»: %2.").arg(file, motivo),
                           TitoloApplicazione, Dialoghi::Icona::Avviso);
    };
    if (!simulazione.Calcolata() || !simulazione.Dimensionato())
        return errore(QStringLiteral("serve un moto calcolato e dimensionato con i dati dell'asse"));
    QFile ingresso(nome);
    if (!ingresso.open(QIODevice::ReadOnly))
        return errore(!QFileInfo::exists(nome) ? QStringLiteral("il file non esiste")
                      : ingresso.error() == QFileDevice::PermissionsError
                          ? QStringLiteral("non è permesso leggerlo")
                          : ingresso.errorString());
    if (ingresso.size() > MassimoCatalogo)
        return errore(QStringLiteral("il file è troppo grande per un catalogo"));
    const QByteArray testo = ingresso.readAll();
    const EsitoCatalogo letto = LeggiCatalogo(std::string_view(testo.constData(), size_t(testo.size())));
    if (!letto.Letto)
        return errore(QString::fromStdString(letto.Motivo));
    EsitoClassifica fatta = ClassificaMotori(*letto.Letto, simulazione.Moto(), *simulazione.Asse());
    if (!fatta.Fatta)
        return errore(QString::fromStdString(fatta.Motivo));
    auto* dialogo = new frmCatalogoMotori(*letto.Letto, std::move(*fatta.Fatta), finestra);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialogo, &QDialog::accepted, dialogo, [dialogo, scelto = std::move(scelto)] {
        if (const MotoreCatalogo* m = dialogo->Scelto())
            scelto(*m);
    });
    dialogo->open();
}
